#!/usr/bin/env bash
# Installs the build tree into a scratch folder and lets the desktop's own validators judge the
# installed desktop entry, metainfo and man pages. Arguments: the build folder, the app id.
set -euo pipefail
build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" > /dev/null
share=$scratch/usr/share
for file in bin/tabulix bin/tabulix-cli share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
  share/mime/packages/tabulix-configuration.xml share/icons/hicolor/scalable/apps/tabulix.svg \
  share/icons/hicolor/48x48/apps/tabulix.png share/bash-completion/completions/tabulix-cli \
  share/man/man1/tabulix.1 share/man/man1/tabulix-cli.1; do
  [ -f "$scratch/usr/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done

desktop-file-validate "$share/applications/$app_id.desktop"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
for page in tabulix tabulix-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1" 2>&1 > /dev/null)
  if [ -n "$warnings" ]; then
    echo "man page $page: $warnings" >&2
    exit 1
  fi
  MANWIDTH=80 man -l "$share/man/man1/$page.1" | grep -q "EXIT STATUS"
done
bash -n "$share/bash-completion/completions/tabulix-cli"
"$scratch/usr/bin/tabulix-cli" --version
echo "installed files pass their validators"
