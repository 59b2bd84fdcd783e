#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own layer.
# Layers, lowest first; folders on one line stand side by side and never include each other.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A rank=(
  [common]=0 [encoding]=1 [collect]=2 [table]=3
  [config]=4 [renamer]=4 [shell]=4 [verify]=4
  [app]=5 [ui]=6 [cli]=6
)

status=0
while IFS= read -r file; do
  folder=$(basename "$(dirname "$file")")
  own=${rank[$folder]:-}
  if [ -z "$own" ]; then
    echo "$file: folder '$folder' has no layer in scripts/check-layers.sh" >&2
    status=1
    continue
  fi
  while IFS=: read -r line included; do
    target=${included%%/*}
    theirs=${rank[$target]:-}
    if [ -z "$theirs" ]; then
      echo "$file:$line: includes '$included' from a folder without a layer" >&2
      status=1
    elif [ "$target" != "$folder" ] && [ "$theirs" -ge "$own" ]; then
      echo "$file:$line: $folder may not include $included" >&2
      status=1
    fi
  done < <(grep -n '^#include "[^"]*/[^"]*"' "$file" | sed 's/^\([0-9]*\):#include "\([^"]*\)".*/\1:\2/')
done < <(find src -mindepth 2 \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$status" -eq 0 ]; then
  echo "layers: every include points down"
fi
exit "$status"
