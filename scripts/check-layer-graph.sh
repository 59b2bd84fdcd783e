#!/usr/bin/env bash
# Fails when a layer's library links a layer that is not directly below it, or leaves out one
# that is, as the link graph of a configured build (cmake --graphviz) shows it.
# Layers as in scripts/check-layers.sh; libraries that stand side by side never link each other.
# Usage: scripts/check-layer-graph.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}

declare -A rank=(
  [tabulix_common]=0 [tabulix_encoding]=1 [tabulix_collect]=2 [tabulix_table]=3
  [tabulix_config]=4 [tabulix_renamer]=4 [tabulix_shell]=4 [tabulix_verify]=4
  [tabulix_app]=5 [tabulix_ui]=6 [tabulix-cli]=6
)

mkdir -p "$build_dir/link-graph"
graph=$build_dir/link-graph/targets.dot
cmake --graphviz="$graph" "$build_dir" > /dev/null

# Each edge ends in a comment naming both targets: "node3" -> "node0"  // from -> to
declare -A links seen
while read -r from to; do
  seen[$from]=1
  seen[$to]=1
  if [ -n "${rank[$from]:-}" ] && [ -n "${rank[$to]:-}" ]; then
    links[$from]+=" $to"
  fi
done < <(sed -n 's|.*"node[0-9]*" -> "node[0-9]*".*// \(.*\) -> \(.*\)$|\1 \2|p' "$graph")

status=0
for layer in "${!rank[@]}"; do
  if [ -z "${seen[$layer]:-}" ]; then
    echo "$graph: no library $layer" >&2
    status=1
    continue
  fi
  own=${rank[$layer]}
  for target in ${links[$layer]:-}; do
    if [ "${rank[$target]}" -ne $((own - 1)) ]; then
      echo "$layer links $target, which is not directly below it" >&2
      status=1
    fi
  done
  for below in "${!rank[@]}"; do
    if [ "${rank[$below]}" -eq $((own - 1)) ] && [[ " ${links[$layer]:-} " != *" $below "* ]]; then
      echo "$layer does not link $below, directly below it" >&2
      status=1
    fi
  done
done

if [ "$status" -eq 0 ]; then
  echo "layers: every library links exactly the layers directly below it"
fi
exit "$status"
