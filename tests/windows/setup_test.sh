#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# What a Windows player downloads, as the player gets it:
#   setup_test.sh ZIP SETUP PROBE_EXE TREE VERSION
# - both files are at most 1 MiB;
# - the zip holds one folder with the exe, the licence and the readme;
# - in a fresh wine prefix of the tree (TREE/wine/setup, on the tree's
#   private display), the setup run with /S installs the game under
#   Program Files\Torvane, with a Start Menu shortcut and an uninstall
#   entry (name, version, publisher, icon, size); the installed game
#   starts and ends with File > Exit; the uninstaller run with /S removes
#   the files, the shortcuts and the registry entries again.
set -u
zip=$1 setup=$2 probe_exe=$3 tree=$4 version=$5
here=$(cd "$(dirname "$0")" && pwd)
run=$here/wine-run.sh
export TORVANE_WINE_TREE=$tree
export TORVANE_WINE_PREFIX_NAME=setup
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

# shellcheck source=checks.sh
. "$here/checks.sh"

# Runs a command in the setup prefix and waits until wine is idle there
# (an uninstaller copies itself away and returns at once).
in_prefix() {
  "$run" --run-in "$tree" "$@" </dev/null >>"$work/wine.log" 2>&1
  local status=$?
  "$run" --run-in "$tree" wineserver -w
  return "$status"
}

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane'
vendor_key='HKLM\Software\Torvane Tables'

# The registry value $2 of key $1, as reg query prints it ("TYPE DATA").
reg_value() {
  "$run" --run-in "$tree" wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; sub(/^ +/, ""); print }'
}

for file in "$zip" "$setup"; do
  size=$(stat -c %s "$file" 2>/dev/null) || { fail "no $file"; continue; }
  if [ "$size" -le 1048576 ]; then
    pass "$(basename "$file"): $size bytes"
  else
    fail "$(basename "$file"): $size bytes, more than 1 MiB"
  fi
done

folder=torvane-$version-win64
expect_text "the zip's files" \
  "$(python3 -c 'import sys, zipfile; print(" ".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$zip")" \
  "$folder/LICENSE.txt $folder/README.txt $folder/torvane.exe"

# A fresh prefix, as a Windows that has never seen the game.
rm -rf "$tree/wine/setup"
"$run" --prefix "$tree" >"$work/prefix.log" 2>&1 || fail "no wine prefix: $(cat "$work/prefix.log")"
drive=$tree/wine/setup/prefix/drive_c
installed=$drive/Program\ Files/Torvane

in_prefix wine "$setup" /S || fail "the setup ended with a failure: $(cat "$work/wine.log")"
for file in torvane.exe LICENSE.txt README.txt Uninstall.exe; do
  if [ -f "$installed/$file" ]; then pass "installed: $file"; else fail "not installed: $file"; fi
done
shortcut=$(find "$drive" -path '*/Start Menu/Programs/Torvane/Torvane.lnk' 2>/dev/null)
if [ -n "$shortcut" ]; then pass "Start Menu shortcut: ${shortcut#"$drive"/}"; else fail "no Start Menu shortcut"; fi
expect_text "uninstall entry: name" "$(reg_value "$uninstall_key" DisplayName)" "REG_SZ Torvane"
expect_text "uninstall entry: version" "$(reg_value "$uninstall_key" DisplayVersion)" "REG_SZ $version"
expect_text "uninstall entry: publisher" "$(reg_value "$uninstall_key" Publisher)" \
  "REG_SZ Torvane Tables"
expect_text "uninstall entry: icon" "$(reg_value "$uninstall_key" DisplayIcon)" \
  'REG_SZ C:\Program Files\Torvane\torvane.exe'
size=$(reg_value "$uninstall_key" EstimatedSize)
kib=$(du -s -k "$installed" | cut -f1)
# The size in KiB, within a few KiB of what the files take on this disk.
if [[ $size =~ ^REG_DWORD\ 0x([0-9a-fA-F]+)$ ]] && [ $((16#${BASH_REMATCH[1]})) -gt 0 ] &&
  [ $((16#${BASH_REMATCH[1]} - kib)) -le 16 ] && [ $((kib - 16#${BASH_REMATCH[1]})) -le 16 ]; then
  pass "uninstall entry: size $((16#${BASH_REMATCH[1]})) KiB ($kib KiB on disk)"
else
  fail "uninstall entry: size '$size', the files take $kib KiB"
fi

start wine 'C:\Program Files\Torvane\torvane.exe'
expect_text "the installed game's title" "$(probe title)" "   Diduvor 3/1 V$version"
probe menu exit
if finish && [ "$status" = 0 ]; then
  pass "the installed game ended with status 0"
else
  fail "the installed game did not end with status 0 ($status)"
fi

in_prefix wine 'C:\Program Files\Torvane\Uninstall.exe' /S ||
  fail "the uninstaller ended with a failure: $(cat "$work/wine.log")"
if [ -e "$installed" ]; then
  fail "left behind: $(find "$installed" | head -5)"
else
  pass "Program Files\\Torvane removed"
fi
if find "$drive" -path '*/Start Menu/Programs/Torvane*' 2>/dev/null | grep -q .; then
  fail "a Start Menu entry left behind"
else
  pass "the Start Menu entries removed"
fi
for key in "$uninstall_key" "$vendor_key"; do
  if "$run" --run-in "$tree" wine reg query "$key" >/dev/null 2>&1; then
    fail "registry key left behind: $key"
  else
    pass "registry key removed: $key"
  fi
done

"$run" --run-in "$tree" wineserver -k 2>/dev/null
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed (the prefix stays in $tree/wine/setup)"
  exit 1
fi
rm -rf "$tree/wine/setup"
echo "all checks passed"
