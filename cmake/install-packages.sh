#!/usr/bin/env bash
# Installs what the native build, the Windows cross build and the Wine tests need on
# Debian 12. Idempotent: when everything is there it only looks and returns.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64
  wine wine64 xvfb xdotool imagemagick x11-utils
  fonts-nanum locales
  dpkg-dev python3-ezdxf librsvg2-bin
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q
  as_root apt-get install -y -q "${missing[@]}"
fi

# The end-to-end tests run the program under a Korean and an English Windows: Wine takes
# its language, code page and the encoding of file names from these locales.
for wanted in ko_KR en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8$"; then
    echo "generating the $wanted.UTF-8 locale"
    as_root sed -i "s/^# *\($wanted\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$wanted\.UTF-8 UTF-8" /etc/locale.gen ||
      echo "$wanted.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen
  fi
done

# The DXF library's source, which both builds compile.
bash "$(dirname "$0")/fetch-dxflib.sh"
