#!/usr/bin/env bash
# Fetches Debian's source package of dxflib, the DXF library both builds compile, into
# build/deps/ (not part of the repository). Adds a deb-src entry for this Debian release
# when apt knows no source package of it. Idempotent: when the source is there it returns.
set -euo pipefail
cd "$(dirname "$0")/.."
deps=build/deps

if compgen -G "$deps/dxflib-*/src/dl_dxf.cpp" >/dev/null; then
  exit 0
fi

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

has_source() {
  apt-cache showsrc dxflib 2>/dev/null | grep -q '^Package: dxflib$'
}

# The mirror and signing key of this release's binary entry, as deb822 fields or as a
# one-line entry, so the source entry comes from the same place.
add_source_entry() {
  local codename uri
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  local deb822
  deb822=$(grep -ls '^Types:.*\bdeb\b' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 || true)
  if [ -n "$deb822" ]; then
    # The paragraph whose Suites holds the release itself.
    local entry
    entry=$(awk -v suite="$codename" '
      BEGIN { RS = ""; FS = "\n" }
      $0 ~ "(^|\n)Suites:([^\n]* )?" suite "( |\n|$)" { print; exit }' "$deb822")
    uri=$(printf '%s\n' "$entry" | sed -n 's/^URIs: *\([^ ]*\).*/\1/p' | head -n 1)
    local signed
    signed=$(printf '%s\n' "$entry" | grep '^Signed-By:' | head -n 1 || true)
    echo "adding a deb-src entry for $codename (/etc/apt/sources.list.d/odontra-src.sources)"
    {
      echo "Types: deb-src"
      echo "URIs: ${uri:-http://deb.debian.org/debian}"
      echo "Suites: $codename"
      echo "Components: main"
      [ -n "$signed" ] && echo "$signed"
    } | as_root tee /etc/apt/sources.list.d/odontra-src.sources >/dev/null
  else
    local line
    line=$(grep -hs "^deb \(\[[^]]*\] \)\?[^ ]* $codename " /etc/apt/sources.list \
      /etc/apt/sources.list.d/*.list | head -n 1 || true)
    if [ -z "$line" ]; then
      line="deb http://deb.debian.org/debian $codename main"
    fi
    echo "adding a deb-src entry for $codename (/etc/apt/sources.list.d/odontra-src.list)"
    printf '%s\n' "$line" | sed "s/^deb /deb-src /; s/ $codename .*/ $codename main/" |
      as_root tee /etc/apt/sources.list.d/odontra-src.list >/dev/null
  fi
}

# A deb-src line, or a deb822 paragraph of type deb-src, that names this release.
has_source_entry() {
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  grep -qs "^deb-src .* $codename " /etc/apt/sources.list /etc/apt/sources.list.d/*.list ||
    awk -v suite="$codename" '
      BEGIN { RS = ""; FS = "\n"; found = 1 }
      $0 ~ "(^|\n)Types:[^\n]*deb-src" && $0 ~ "(^|\n)Suites:([^\n]* )?" suite "( |\n|$)" {
        found = 0
      }
      END { exit found }' /dev/null /etc/apt/sources.list.d/*.sources 2>/dev/null
}

if ! has_source; then
  if ! has_source_entry; then
    add_source_entry
  fi
  as_root apt-get update -q
fi

mkdir -p "$deps"
# As root, apt cannot hand the download to its unprivileged user in a folder it does not own.
(cd "$deps" && apt-get source -q dxflib 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
if ! compgen -G "$deps/dxflib-*/src/dl_dxf.cpp" >/dev/null; then
  echo "could not fetch the dxflib source package into $deps" >&2
  exit 1
fi
