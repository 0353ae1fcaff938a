#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Renders the windows headless into docs/ for the README, the main window in
# a dark desktop theme, and the browser build's page in headless Chromium.
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
# The same game in the browser, after the same bets and spins.
scripts/build-web.sh >/dev/null
/usr/bin/python3 tools/web_screenshot.py build/web/site docs/web-page.png
