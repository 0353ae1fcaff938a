#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs what is missing, builds the game in build/play and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/deps.sh play
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DTORVANE_STATIC_CHECKS=OFF -DTORVANE_BENCHMARKS=OFF
cmake --build build/play -j "$(nproc)" --target torvane
exec build/play/src/app/torvane "$@"
