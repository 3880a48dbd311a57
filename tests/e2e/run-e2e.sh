#!/usr/bin/env bash
# End-to-end suite: runs the Windows build under Wine on a virtual display and uses the
# program as a person would. Usage: run-e2e.sh WINDOWS_BUILD_DIR NATIVE_INVOLUTE
set -euo pipefail
build=$(cd "$1" && pwd)
involute=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../cmake/wine-session.sh
source "$here/../../cmake/wine-session.sh"

work=$(mktemp -d /tmp/odontra-e2e.XXXXXX)
finish() {
  stop_wine_session
  rm -rf "$work"
}
trap finish EXIT
start_wine_session "$work/session"

"$involute" script -o "$work/default.scr"
"$involute" script --teeth 12 --shift 0.5 -o "$work/twelve.scr"
"$involute" dxf -o "$work/default.dxf"
"$involute" svg -o "$work/default.svg"
"$involute" dxf --teeth 12 -o "$work/twelve.dxf"
"$involute" svg --teeth 12 -o "$work/twelve.svg"
mkdir -p "$work/run" "$work/cli"

# The Windows build of the tool writes the very same bytes as the native one.
(cd "$work/cli" && wine "$build/involute.exe" script -o default.scr)
(cd "$work/cli" && wine "$build/involute.exe" dxf -o default.dxf)
(cd "$work/cli" && wine "$build/involute.exe" svg -o default.svg)
(cd "$work/cli" && wine "$build/involute.exe" dxf --teeth 12 -o twelve.dxf)
(cd "$work/cli" && wine "$build/involute.exe" svg --teeth 12 -o twelve.svg)
for file in default.scr default.dxf default.svg twelve.dxf twelve.svg; do
  if ! cmp -s "$work/cli/$file" "$work/$file"; then
    echo "FAILED: the Windows build of involute writes other bytes than the native one: $file"
    exit 1
  fi
done
echo "windows involute script, dxf and svg match the native ones: 1 passed, 0 failed"

win() { winepath -w "$1" 2>/dev/null; }
wine "$build/e2e_driver.exe" test "$(win "$build/odontra.exe")" "$(win "$work/run")" \
  "$(win "$work/default.scr")" "$(win "$work/twelve.scr")" \
  "$(win "$work/default.dxf")" "$(win "$work/default.svg")"
