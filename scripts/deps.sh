#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs the Debian packages that are missing for a purpose:
#   deps.sh play   what building and running the game needs (packages/play.txt)
#   deps.sh web    what building it for the browser needs (packages/web.txt)
#   deps.sh windows what cross-building it for Windows and running it under
#                  wine needs (packages/windows.txt)
#   deps.sh test   all of these, and what the tests and checks need
#                  (packages/test.txt)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
  play) lists=("$here/packages/play.txt") ;;
  web) lists=("$here/packages/web.txt") ;;
  windows) lists=("$here/packages/windows.txt") ;;
  test) lists=("$here/packages/play.txt" "$here/packages/web.txt" "$here/packages/windows.txt"
               "$here/packages/test.txt") ;;
  *) echo "usage: deps.sh play|web|windows|test" >&2; exit 2 ;;
esac
mapfile -t wanted < <(cat "${lists[@]}" | grep -v -E '^\s*(#|$)' | sort -u)
# A package counts as there when an installed one provides it (a Node.js
# from another archive brings its own npm, and conflicts with Debian's).
provided=" $(dpkg-query -W -f='${db:Status-Status} ${Provides}\n' 2>/dev/null |
  sed -n 's/^installed //p' | tr ',\n' '  ' | sed 's/([^)]*)//g') "
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = installed ] || [[ "$provided" == *" $pkg "* ]] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
