#!/usr/bin/env bash
# Installs what is missing, then builds the Windows program, its tools and the
# end-to-end driver with MinGW-w64 into build/windows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash cmake/install-packages.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j2
