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
mkdir -p "$work/run" "$work/cli"

# The Windows build of the tool writes the very same bytes as the native one.
(cd "$work/cli" && wine "$build/involute.exe" script -o default.scr)
if cmp -s "$work/cli/default.scr" "$work/default.scr"; then
  echo "windows involute script matches the native one: 1 passed, 0 failed"
else
  echo "FAILED: the Windows build of involute writes other bytes than the native one"
  exit 1
fi

win() { winepath -w "$1" 2>/dev/null; }
wine "$build/e2e_driver.exe" test "$(win "$build/odontra.exe")" "$(win "$work/run")" \
  "$(win "$work/default.scr")" "$(win "$work/twelve.scr")"
