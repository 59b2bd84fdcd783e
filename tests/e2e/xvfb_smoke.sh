#!/bin/sh
# Starts the real program on a virtual X screen and, once its start window is gone, looks at a
# picture of the main window.
# Usage: xvfb_smoke.sh TABULIX SCREEN_GRAB OUTPUT.png
set -eu
tabulix=$1 grab=$2 out=$3
export QT_QPA_PLATFORM=xcb
export QT_LOGGING_RULES=tabulix.start=true
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
# Its end saves automatically as a start configuration asks: never the user's own.
export XDG_CONFIG_HOME="$runtime/config"
xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
  log=$4/tabulix.log
  "$1" 2>"$log" & pid=$!
  # Polls the log for the line the program writes when its start is over (30 s at most).
  tries=0
  until grep -q "main window shown" "$log"; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; cat "$log" >&2; exit 3; }
    tries=$((tries + 1))
    [ "$tries" -le 300 ] || { echo "the start window never went away" >&2; kill "$pid"; exit 4; }
    sleep 0.1
  done
  "$2" "$3"; rc=$?
  kill "$pid"
  exit $rc' smoke "$tabulix" "$grab" "$out" "$runtime"
