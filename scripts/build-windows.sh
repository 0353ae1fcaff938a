#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Configures and builds the Windows game in build/windows, cross-compiled
# with mingw-w64 (cmake/mingw-w64.cmake), passing on any CMake options:
#   scripts/build-windows.sh [-DOPTION=VALUE...]
# The game is build/windows/src/windows/torvane.exe, beside it the zip and
# the setup (torvane-<version>-win64.zip, torvane-<version>-setup.exe); with
# BUILD_TESTING on, ctest --test-dir build/windows runs the tests under wine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
# Release at -O2, as Debian builds its packages: at CMake's -O3, GCC 12
# reports a false -Wrestrict inside libstdc++'s std::string (on "text" +
# a temporary string), which -Werror makes an error.
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" "$@" >/dev/null
cmake --build build/windows -j "$(nproc)"
# The zip and the setup, beside the exe.
cmake --build build/windows --target windows-packages >/dev/null
