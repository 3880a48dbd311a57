#!/usr/bin/env bash
# Builds the native core and tools and the Windows program, then runs every test: the
# unit tests of the core, the involute tool, and the program end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")"
bash cmake/install-packages.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j2
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release \
  -DODONTRA_WINDOWS_BUILD="$PWD/build/windows" >/dev/null
cmake --build build/native -j2
ctest --test-dir build/native --output-on-failure
