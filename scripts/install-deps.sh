#!/usr/bin/env bash
# Installs the Debian packages needed to build and test Tabulix; installs only what is missing.
# Packages named as arguments are installed too (the benchmarks' peers, for example).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  qt6-translations-l10n # Qt's own dialogs and standard buttons in German
  libssl-dev libglib2.0-dev libjpeg62-turbo-dev libgif-dev
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth fonts-liberation2 fonts-dejavu-core
  libexiv2-dev libtag1-dev # photo and audio tags in new names
  libimage-exiftool-perl python3-mutagen flac # the renaming tests tag their files with tools other than ours
  libxcb1-dev # the end-to-end tests drive the real program over the X protocol
  python3 # the end-to-end tests read CSV back with its csv module
  libxlsxwriter-dev # the workbook format
  coreutils rhash hashdeep # checksum files made and checked by peers, in the manifest tests
  python3-markdown python3-openpyxl # the tests render Markdown and read workbooks back
  chromium chromium-driver python3-selenium # the tests use the page with search in a real browser
  # desktop entries and their checks with the desktops' own tools; the package (CPack's .deb
  # finds the programs with file and their libraries with dpkg-shlibdeps)
  desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin appstream man-db dpkg-dev file
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
