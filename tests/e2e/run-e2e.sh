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

"$involute" script -o "$work/default.scr"
"$involute" script --teeth 12 --shift 0.5 -o "$work/twelve.scr"
"$involute" dxf -o "$work/default.dxf"
"$involute" svg -o "$work/default.svg"
"$involute" dxf --outline divided -o "$work/divided.dxf"
"$involute" dxf --teeth 12 -o "$work/twelve.dxf"
"$involute" svg --teeth 12 -o "$work/twelve.svg"
cp "$work/default.scr" "$work/톱니.scr"
mkdir -p "$work/run" "$work/run-english" "$work/cli/기어 도면"

# The Windows build of the tool writes the very same bytes as the native one, also to a
# file name outside every ANSI code page, given on an English Windows.
tool_writes_the_native_bytes() {
  local file
  for file in "$@"; do
    if ! cmp -s "$work/cli/$file" "$work/$(basename "$file")"; then
      echo "FAILED: the Windows build of involute writes other bytes than the native one: $file"
      return 1
    fi
  done
  echo "windows involute writes the native bytes: $*"
}

# An export killed while it writes leaves the old file and nothing else: the Windows tool's
# temporary file is marked for deletion until it is renamed into place. Waits for that file
# to hold bytes, kills the tool, then waits (at most ten seconds) for the folder to hold the
# old file alone.
killed_export_leaves_only_the_old_file() {
  local folder="$work/killed" tool waited caught=
  mkdir -p "$folder"
  printf 'the only copy' >"$folder/gear.dxf"
  # The largest gear's chords: a file of some 300 MB, seconds of writing to catch it in.
  (cd "$folder" && exec wine "$build/involute.exe" dxf --teeth 9999 --involute-divisions 100 \
    --fillet-divisions 70 --outline divided -o gear.dxf) &
  tool=$!
  for waited in $(seq 1 6000); do
    caught=$(find "$folder" -name '.~*' -size +0 | head -n 1)
    [ -n "$caught" ] && break
    sleep 0.01
  done
  kill -KILL "$tool"
  wait "$tool" 2>/dev/null || true
  if [ -z "$caught" ]; then
    echo "FAILED: the killed export was never caught writing"
    return 1
  fi
  for waited in $(seq 1 1000); do
    [ "$(ls -A "$folder")" = gear.dxf ] && break
    sleep 0.01
  done
  if [ "$(ls -A "$folder")" != gear.dxf ] || [ "$(cat "$folder/gear.dxf")" != 'the only copy' ]; then
    echo "FAILED: a killed export of the Windows tool left: $(ls -A "$folder")"
    return 1
  fi
  echo "a killed export of the Windows tool leaves the old file alone"
}

win() { winepath -w "$1" 2>/dev/null; }
status=0
run_driver() {
  local language=$1 folder=$2
  wine "$build/e2e_driver.exe" test "$language" "$(win "$build/odontra.exe")" "$(win "$folder")" \
    "$(win "$work")" || status=1
}

start_wine_session "$work/korean"
(cd "$work/cli" && wine "$build/involute.exe" script -o default.scr)
(cd "$work/cli" && wine "$build/involute.exe" dxf -o default.dxf)
(cd "$work/cli" && wine "$build/involute.exe" svg -o default.svg)
(cd "$work/cli" && wine "$build/involute.exe" dxf --outline divided -o divided.dxf)
(cd "$work/cli" && wine "$build/involute.exe" dxf --teeth 12 -o twelve.dxf)
(cd "$work/cli" && wine "$build/involute.exe" svg --teeth 12 -o twelve.svg)
tool_writes_the_native_bytes default.scr default.dxf default.svg divided.dxf twelve.dxf twelve.svg ||
  status=1
# The pair and the ring the program writes through its menus, from the Windows tool: both
# share one C library, so their files must agree to the last digit.
(cd "$work" && wine "$build/involute.exe" pair dxf --mate-teeth 48 --center-distance 72.5 \
  -o pair.dxf)
(cd "$work" && wine "$build/involute.exe" dxf --internal --teeth 50 -o ring.dxf)
killed_export_leaves_only_the_old_file || status=1
run_driver korean "$work/run"
stop_wine_session

start_wine_session "$work/english" en_US.UTF-8
(cd "$work/cli" && wine "$build/involute.exe" script -o "기어 도면/톱니.scr")
tool_writes_the_native_bytes "기어 도면/톱니.scr" || status=1
run_driver english "$work/run-english"
exit $status
