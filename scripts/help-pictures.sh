#!/bin/sh
# Renews the pictures of the main window in the help pages: the real program on a virtual X
# screen, once per language. Run after the main window changed, then commit the pictures.
# Usage: scripts/help-pictures.sh [BUILD_DIR]
set -eu
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$build" --target tabulix_help_pictures
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb TZ=UTC
LC_ALL=de_DE.UTF-8 xvfb-run -a -s "-screen 0 1280x900x24" \
  "$build/tests/tabulix_help_pictures" de "$here/resources/help/de/hauptfenster.png"
LC_ALL=en_GB.UTF-8 xvfb-run -a -s "-screen 0 1280x900x24" \
  "$build/tests/tabulix_help_pictures" en "$here/resources/help/en/main-window.png"
