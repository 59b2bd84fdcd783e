#!/usr/bin/env bash
# Fails when code below the windows names a setting by a string instead of its typed handle.
# Only the settings table spells the component names; the windows bind their controls, and
# give them their captions, by object name.
set -euo pipefail
cd "$(dirname "$0")/.."

table=src/common/setting_table.h

names=$(sed -n 's/^SETTING([A-Z][A-Z], *[A-Za-z]*, *\([A-Za-z0-9_]*\),.*/\1/p' "$table" | sort -u)
if [ "$(wc -l <<<"$names")" -lt 100 ]; then
  echo "$table: found only $(wc -l <<<"$names") setting names; has its layout changed?" >&2
  exit 1
fi

status=0
while IFS= read -r file; do
  [ "$file" = "$table" ] && continue
  while IFS=: read -r line literal; do
    if grep -qxF "$literal" <<<"$names"; then
      echo "$file:$line: names the setting \"$literal\" by string; use its handle" >&2
      status=1
    fi
  done < <(grep -noE '"[A-Za-z][A-Za-z0-9_]*"' "$file" | tr -d '"')
done < <(find src -path src/ui -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sort)

if [ "$status" -eq 0 ]; then
  echo "setting names: only the settings table spells them below the windows"
fi
exit "$status"
