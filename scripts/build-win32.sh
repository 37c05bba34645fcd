#!/usr/bin/env bash
# Cross-compiles the Qt-free core, the platform layer, the tool and their tests for
# 32-bit Windows with MinGW-w64 into build-win32/ (Ninja, two jobs). The Qt gui is not
# part of this build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build-win32" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" \
  -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" -DSKELDER_GUI=OFF -DSKELDER_BENCH=OFF >/dev/null
cmake --build "$root/build-win32" -j2
