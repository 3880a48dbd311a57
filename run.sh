#!/usr/bin/env bash
# Builds the program and runs it. On a desktop its window opens (under Wine on Linux).
# Without a display it draws the one-tooth and whole-gear views on a virtual display
# through the program's own menus and saves the drawing area of each as a PNG file.
set -euo pipefail
cd "$(dirname "$0")"
bash cmake/build-windows.sh

if [ -n "${DISPLAY:-}" ]; then
  export LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
  exec wine build/windows/odontra.exe
fi

echo "No display here: running the program on a virtual display and saving its drawings."
# shellcheck source=cmake/wine-session.sh
source cmake/wine-session.sh
out=$PWD/out
mkdir -p "$out"
session=$(mktemp -d /tmp/odontra-run.XXXXXX)
finish() {
  stop_wine_session
  rm -rf "$session"
}
trap finish EXIT
start_wine_session "$session"
wine build/windows/e2e_driver.exe shots "$(winepath -w build/windows/odontra.exe)" \
  "$(winepath -w "$out")"
for view in one-tooth whole-gear; do
  convert "$out/$view.bmp" "$out/$view.png"
  rm -f "$out/$view.bmp"
done
echo "Saved: $out/one-tooth.png"
echo "Saved: $out/whole-gear.png"
