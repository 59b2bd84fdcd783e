#!/bin/sh
# Renews the pictures of docs/screenshots that the README and the metainfo show: the real program
# on a virtual X screen, started on a generated folder once per language (the marker files "de"
# and "en" in its current folder choose it), the shortcuts window and the renaming tool in both
# languages, and the main window once more at twice the scale.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -eu
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/docs/screenshots
cmake --build "$build" --target tabulix tabulix_screen_grab tabulix_shortcuts_picture tabulix_renamer_picture
mkdir -p "$out"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb TZ=UTC QT_LOGGING_RULES=tabulix.start=true
mkdir -m 700 "$XDG_RUNTIME_DIR"
as_user=
if [ "$(id -u)" = 0 ]; then as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"; fi

# A folder with files of a few kinds and sizes.
folder=$scratch/Projekt
mkdir -p "$folder/Bilder"
size=1
for name in Angebot.pdf Bilder/Ferien.jpg Bilder/Skizze.png Notizen.txt Tabelle.csv Vortrag.odp; do
  head -c $((size * 7919)) /dev/zero > "$folder/$name"
  size=$((size * 3))
done

# The main window of a language on a fresh home, at a scale of the interface.
# Usage: main_window LANGUAGE SCALE SCREEN PICTURE
main_window() {
  run=$scratch/$1-$2
  mkdir -p "$run/home"
  touch "$run/$1"
  (cd "$run" && HOME="$run/home" QT_SCALE_FACTOR=$2 \
    LC_ALL=$([ "$1" = de ] && echo de_DE.UTF-8 || echo en_GB.UTF-8) \
    xvfb-run -a -s "-screen 0 $3x24" sh -c '
      "$1" "$2" 2> tabulix.log & pid=$!
      tries=0
      until grep -q "main window shown" tabulix.log; do
        kill -0 "$pid" 2>/dev/null || { cat tabulix.log >&2; exit 3; }
        tries=$((tries + 1))
        [ "$tries" -le 300 ] || { kill "$pid"; exit 4; }
        sleep 0.1
      done
      "$3" --trim "$4"; rc=$?
      kill "$pid"
      exit $rc' shot "$build/tabulix" "$folder" "$build/tests/tabulix_screen_grab" "$4")
}

for language in de en; do
  main_window $language 1 1000x760 "$out/main-window-$language.png"
  # As an ordinary user, as people see it: the window tells whether it runs as root.
  mkdir -m 777 -p "$scratch/pictures"
  chmod 755 "$scratch"
  $as_user env -u XDG_RUNTIME_DIR HOME="$scratch/pictures" LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1000x760x24" \
    "$build/tests/tabulix_shortcuts_picture" $language "$scratch/pictures/shortcuts-$language.png"
  cp "$scratch/pictures/shortcuts-$language.png" "$out/"
  HOME="$run/home" LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1000x760x24" \
    "$build/tests/tabulix_renamer_picture" $language "$out/renamer-$language.png"
done
# Every text whole at twice the scale, as on a high-density screen.
main_window de 2 2000x1520 "$out/main-window-de-scale2.png"
ls -l "$out"
