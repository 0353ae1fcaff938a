#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Renders the windows headless into docs/ for the README, and the main
# window in a dark desktop theme.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/deps.sh test
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DTORVANE_STATIC_CHECKS=OFF -DTORVANE_BENCHMARKS=OFF
cmake --build build/play -j "$(nproc)" --target torvane_screenshots torvane
build/play/tools/torvane_screenshots docs
# The main window as a player on a dark GTK desktop sees it.
xvfb-run -a env QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
  build/play/src/app/torvane --screenshot docs/main-window-dark.png
