# Sourced by the run and test scripts: a virtual X display and a private Wine prefix in
# which every program shares one Wine desktop with window frames: a Korean Windows (code
# page 949) by default, an English one (code page 1252) with LOCALE en_US.UTF-8.
# start_wine_session DIR [LOCALE] starts both (logs in DIR); stop_wine_session ends what it
# started.

start_wine_session() {
  local dir=$1 locale=${2:-ko_KR.UTF-8} fd waited
  mkdir -p "$dir"
  : >"$dir/display"
  exec {fd}>"$dir/display"
  Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  WINE_SESSION_XVFB=$!
  exec {fd}>&-
  for waited in $(seq 1 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$dir/display" ]; then
    echo "Xvfb did not start; see $dir/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$dir/display")"
  # The prefix is made in the session's language, as Windows is installed in one.
  export WINEPREFIX="$dir/prefix" WINEDEBUG=-all LANG=$locale LC_ALL=$locale
  # No Mono or Gecko: nothing here needs them and nothing may be downloaded.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot -i >"$dir/wineboot.log" 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  # No window manager runs on the virtual display: Wine would wait two seconds for one at
  # every window it hides, a closed dialog among them.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # As an English Windows links its user interface fonts to a Korean font, so that Korean
  # text shows in any language: here to Debian's Nanum Gothic.
  local font
  for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$font" /t REG_MULTI_SZ /d 'NanumGothic.ttf,NanumGothic' /f >/dev/null 2>&1
  done
}

stop_wine_session() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    WINE_SESSION_XVFB=
  fi
}
