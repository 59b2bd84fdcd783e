#!/usr/bin/env bash
# Builds the .deb from the build tree, unpacks it into a scratch root and runs the CLI from
# there. Argument: the build folder.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" ||
  { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# dpkg-shlibdeps names the libraries the programs link.
for library in libqt6core6 libqt6widgets6 libc6; do
  grep -q "$library" <<< "$depends" || { echo "$library missing from Depends" >&2; exit 1; }
done
# The font the shortened path column measures in.
grep -q fonts-dejavu-core <<< "$depends" || { echo "fonts-dejavu-core missing from Depends" >&2; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"
"$scratch/root/usr/bin/tabulix-cli" --version | grep -q '^tabulix-cli '
[ -x "$scratch/root/usr/bin/tabulix" ]
contents=$(dpkg-deb -c "$deb")
grep -q './usr/share/applications/example.tabulix.Tabulix.desktop' <<< "$contents"
echo "the package unpacks and runs: $(basename "$deb")"
