#!/bin/sh
# Starts the real program on a virtual X screen and looks at a picture of it.
# Usage: xvfb_smoke.sh TABULIX SCREEN_GRAB OUTPUT.png
set -eu
tabulix=$1 grab=$2 out=$3
export QT_QPA_PLATFORM=xcb
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
  "$1" & pid=$!
  sleep 5
  kill -0 "$pid" || { echo "the program ended early" >&2; exit 3; }
  "$2" "$3"; rc=$?
  kill "$pid"
  exit $rc' smoke "$tabulix" "$grab" "$out"
