#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The built game as a file: a Windows GUI program that imports only DLLs
# every Windows from 7 on has (so it starts from any folder, with nothing
# installed), with an icon for each id of Resources.h, its version
# information and its manifest filled in:
#   exe_check.sh torvane.exe OBJDUMP VERSION RESOURCES_H
set -u
exe=$1 objdump=$2 version=$3 resources_h=$4
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

headers=$("$objdump" -p "$exe") || { echo "FAIL: $objdump cannot read $exe"; exit 1; }
grep -q -E '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a Windows GUI program"

# Windows' own DLLs that Windows 7 already has. The runtimes of mingw-w64's
# GCC (libstdc++-6, libgcc_s_seh-1, libwinpthread-1, libssp-0) would have
# to lie beside the program; api-ms-win-* and shcore come with later
# systems only.
allowed=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msimg32.dll
  msvcrt.dll ole32.dll oleacc.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll
  version.dll winmm.dll "
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]')
[ -n "$imports" ] || fail "no imports found"
for dll in $imports; do
  [[ "$allowed" == *" $dll "* ]] || fail "imports $dll"
done
echo "imports: $(tr '\n' ' ' <<<"$imports")"

resources=$(wrestool -l "$exe") || { echo "FAIL: wrestool cannot read $exe"; exit 1; }
# An icon group (type 14) for each TORVANE_IDI_ id.
ids=$(sed -n 's/^#define TORVANE_IDI_[A-Z_]*[[:space:]]\+\([0-9]\+\).*/\1/p' "$resources_h")
[ -n "$ids" ] || fail "no icon ids in $resources_h"
for id in $ids; do
  grep -q -e "--type=14 --name=$id " <<<"$resources" || fail "no icon $id"
done
# The program's icon has the sizes Explorer and the taskbar ask for.
app=$(mktemp)
trap 'rm -f "$app"' EXIT
wrestool -x --type=14 --name=1 "$exe" >"$app" 2>/dev/null
sizes=$(icotool -l "$app" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ')
for size in 16 32 48 256; do
  [[ " $sizes" == *" $size "* ]] || fail "the program's icon has no $size px image (has: $sizes)"
done

# The version information: 1.0.18 is the file version 1,0,0,18, "1.00.0018".
IFS=. read -r major minor patch <<<"$version"
words=$(wrestool -x --raw --type=16 --name=1 "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\000')
for value in "FileVersion$(printf '%d.%02d.%04d' "$major" "$minor" "$patch")" \
  "ProductVersion$version" "ProductNameTorvane" "OriginalFilenametorvane.exe" \
  "InternalNametorvane" "CompanyNameTorvane Tables" "StringFileInfo040904B0" \
  "LegalCopyrightCopyright © 2025-2026 Torvane Tables. GPL-3.0-or-later"; do
  # Between a name and its value lie only padding and the next header.
  grep -q -F "$value" <<<"$(tr -cd '[:print:]©' <<<"$words")" || fail "no $value in the version"
done
fixed=$(wrestool -x --raw --type=16 --name=1 "$exe" | od -A n -t x1 | tr -d ' \n')
# VS_FIXEDFILEINFO: the signature, the structure version, then the file and
# the product version as two pairs of 16-bit numbers, high word first.
number() { printf '%02x%02x%02x%02x' $(($2 & 255)) $(($2 >> 8)) $(($1 & 255)) $(($1 >> 8)); }
four="$(number "$major" "$minor")$(number 0 "$patch")"
[[ "$fixed" == *"bd04effe00000100${four}${four}"* ]] ||
  fail "the fixed version is not $major,$minor,0,$patch"
translation=$(printf 'Translation' | od -A n -t x1 | tr -d ' \n' | sed 's/../&00/g')
if [[ "$fixed" != *"$translation"* || "$fixed" != *"0904b004" ]]; then
  fail "no translation 0x409, 1200 at the end"
fi

# The manifest, filled in (no @VARIABLE@ left), asks for what the program
# relies on.
manifest=$(wrestool -x --raw --type=24 --name=1 "$exe")
[[ "$manifest" != *@* ]] || fail "the manifest was not filled in"
for wanted in "version=\"$major.$minor.0.$patch\"" '>PerMonitorV2</dpiAwareness>' \
  '>true/pm</dpiAware>' 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
  'publicKeyToken="6595b64144ccf1df"' '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' \
  '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
  grep -q -F "$wanted" <<<"$(tr -s ' \n' ' ' <<<"$manifest")" || fail "the manifest has no $wanted"
done

[ "$failures" -eq 0 ] || exit 1
echo "ok: $exe"
