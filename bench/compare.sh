#!/usr/bin/env bash
# Races tabulix-cli against its peers on generated trees and prints each pair's median times,
# the median of the paired ratios and tabulix-cli's peak memory:
#   - all facts of every file, no checksums, against find -printf with the three times as text;
#   - all five checksums against rhash with the same five digests;
#   - one large file with all five checksums against rhash;
#   - checking a SHA-256 checksum file of the tree's files against rhash -c on the same file.
# Runs alternate (tabulix, peer, tabulix, peer, ...) on a warm cache, TZ=UTC.
# Usage: bench/compare.sh [BUILD_DIR] [FILES] [RUNS]
#   FILES (default 100000) spread over FOLDERS (default 100) folders, 4 KiB on average; the
#   user CPU time per file of tabulix-cli is printed beside its peak; BIG_FILE_MIB (default
#   1024, 0 to skip) sets the large file. The trees are kept in $BENCH_TREES (default
#   /tmp/tabulix-bench) for the next run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
files=${2:-100000}
runs=${3:-5}
folders=${FOLDERS:-100}
big_mib=${BIG_FILE_MIB:-1024}
trees=${BENCH_TREES:-/tmp/tabulix-bench}
cli=$build/tabulix-cli
export TZ=UTC LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
bash "$here/scripts/install-deps.sh" rhash time >/dev/null

# A fresh home, so no configuration of the user's takes part.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config

make_tree() {
  local tree=$trees/files-$files
  [ "$folders" -eq 100 ] || tree=$tree-in-$folders
  if [ ! -f "$tree/.complete" ]; then
    rm -rf "$tree"
    python3 - "$tree" "$files" "$folders" <<'PY'
import os, random, sys
root, count, folders = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
random.seed(7)
for i in range(count):
    folder = os.path.join(root, 'folder%03d' % (i % folders))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, 'file%06d.dat' % i), 'wb') as out:
        out.write(random.randbytes(random.randint(0, 8192)))
open(os.path.join(root, '.complete'), 'w').close()
PY
  fi
  echo "$tree"
}

make_big_file() {
  local big=$trees/big-$big_mib
  if [ ! -f "$big/.complete" ]; then
    mkdir -p "$big"
    head -c "$((big_mib * 1024 * 1024))" /dev/urandom > "$big/big.dat"
    touch "$big/.complete"
  fi
  echo "$big/big.dat"
}

now_ns() { date +%s%N; }

# race NAME "TABULIX COMMAND" "PEER COMMAND": alternating runs, medians, ratio, peak memory.
race() {
  local name=$1 ours=$2 peer=$3 a b
  local -a ours_ms=() peer_ms=() ratios=()
  eval "$ours" >/dev/null 2>&1; eval "$peer" >/dev/null 2>&1 # warm the cache
  for _ in $(seq "$runs"); do
    a=$(now_ns); eval "$ours" >/dev/null 2>&1; b=$(now_ns); ours_ms+=($(( (b - a) / 1000000 )))
    a=$(now_ns); eval "$peer" >/dev/null 2>&1; b=$(now_ns); peer_ms+=($(( (b - a) / 1000000 )))
    ratios+=("$(python3 -c "print(${ours_ms[-1]} / max(${peer_ms[-1]}, 1))")")
  done
  local peak user
  /usr/bin/time -f '%M %U' -o "$home/peak" bash -c "$ours" >/dev/null 2>&1
  read -r peak user < <(tail -1 "$home/peak")
  python3 - "$name" "${ours_ms[*]}" "${peer_ms[*]}" "${ratios[*]}" "$peak" "$user" "$files" <<'PY'
import statistics, sys
name, ours, peer, ratios, peak, user, files = sys.argv[1:]
median = lambda text: statistics.median(float(v) for v in text.split())
print(f"{name:<34} tabulix {median(ours):8.0f} ms   peer {median(peer):8.0f} ms   "
      f"ratio {median(ratios):5.2f}   tabulix peak {int(peak) / 1024:7.1f} MiB, "
      f"user {float(user) * 1e6 / max(int(files), 1):5.2f} us per file")
PY
}

tree=$(make_tree)
checksums="--set PBCH.act_checksum=1 --set PBCH.act_checksum_crc=1 --set PBCH.act_checksum_md5=1 \
 --set PBCH.act_checksum_sha1=1 --set PBCH.act_checksum_sha256=1 --set PBCH.act_checksum_sha512=1"
echo "tabulix-cli $("$cli" --version | cut -d' ' -f2), $files files in $folders folders, $runs paired runs, $(nproc) cores"
race "all facts, no checksums ($files)" \
  "'$cli' --format csv --set PBCH.act_pfad=1 '$tree'" \
  "find '$tree' -printf '%p;%s;%Td.%Tm.%TY %TH:%TM:%TS;%Cd.%Cm.%CY %CH:%CM:%CS;%Ad.%Am.%AY %AH:%AM:%AS;%M\n'"
race "five checksums ($files)" \
  "'$cli' --format csv $checksums --set PBED.act_checksum_max=2000000 '$tree'" \
  "rhash -r --crc32 --md5 --sha1 --sha256 --sha512 '$tree'"
manifest=$trees/check-$files.sha256
[ "$folders" -eq 100 ] || manifest=$trees/check-$files-in-$folders.sha256
[ -s "$manifest" ] || "$cli" --format sha256sum -o "$manifest" "$tree"
race "check a SHA-256 file ($files)" \
  "'$cli' check '$manifest'" \
  "rhash -c '$manifest'"
if [ "$big_mib" -gt 0 ]; then
  big=$(make_big_file)
  race "five checksums, one $big_mib MiB file" \
    "'$cli' --format csv $checksums --set PBED.act_checksum_max=2000000 '$big'" \
    "rhash --crc32 --md5 --sha1 --sha256 --sha512 '$big'"
fi
