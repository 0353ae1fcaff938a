#!/usr/bin/env bash
# Renders the three windows headless into docs/ for the README.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$(nproc)" --target torvane_screenshots
build/release/tools/torvane_screenshots docs
