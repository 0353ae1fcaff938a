#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Configures and builds the browser build in build/web with Debian's
# emscripten (its toolchain file, not emcmake, which would hand Node.js an
# option that Node.js 20 refuses), passing on any CMake options:
#   scripts/build-web.sh [-DOPTION=VALUE...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/node "$@" >/dev/null
cmake --build build/web -j "$(nproc)"
