#!/usr/bin/env bash
# Builds the native core and tools and the Windows program, then runs every test: the
# unit tests of the core, the involute tool, and the program end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")"
bash cmake/build-windows.sh
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release \
  -DODONTRA_WINDOWS_BUILD="$PWD/build/windows" >/dev/null
cmake --build build/native -j2
ctest --test-dir build/native --output-on-failure
