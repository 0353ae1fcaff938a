#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs into a staging folder and builds the Debian package, then checks
# what they hold, reads the package's fields back and runs lintian on it:
# package_test.sh BUILD_DIR VERSION
set -u
build=$1
version=$2
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME COMMAND...
    if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
has() { grep -q -- "$2" "$1"; }
app=org.example.torvane

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
stage="$work/stage/usr"
check "the binary is installed in /usr/games" test -x "$stage/games/torvane"
check "the desktop entry is installed" test -s "$stage/share/applications/$app.desktop"
check "the desktop entry runs the installed binary by its full path" \
    grep -qx "Exec=/usr/games/torvane" "$stage/share/applications/$app.desktop"
check "every Exec of the desktop entry names the installed binary" \
    bash -c "! grep '^Exec=' '$stage/share/applications/$app.desktop' | grep -v '^Exec=/usr/games/torvane\( \|$\)'"
check "the desktop entry's keyboard action starts it with --keyboard" \
    grep -qx "Exec=/usr/games/torvane --keyboard" "$stage/share/applications/$app.desktop"
check "the keyboard action is named" grep -qx "Name=Play with the keyboard" \
    "$stage/share/applications/$app.desktop"
check "the desktop entry speaks every language of po/" bash -c \
    "for l in \$(grep -v '^#' '$source/po/LINGUAS'); do grep -q \"^Comment\[\$l\]=\" '$stage/share/applications/$app.desktop' || exit 1; done"
check "the metainfo is installed" test -s "$stage/share/metainfo/$app.metainfo.xml"
check "the metainfo's summary is translated" grep -q '<summary xml:lang="de">' \
    "$stage/share/metainfo/$app.metainfo.xml"
check "the scalable icon is installed" test -s "$stage/share/icons/hicolor/scalable/apps/$app.svg"
for size in 16 32 48 128 256; do
    check "the ${size}px icon is a ${size}x${size} PNG" bash -c \
        "file '$stage/share/icons/hicolor/${size}x${size}/apps/$app.png' | grep -q 'PNG image data, $size x $size'"
done
check "the man page is installed compressed in section 6" gzip -t "$stage/share/man/man6/torvane.6.gz"
check "the changelog is installed compressed" gzip -t "$stage/share/doc/torvane/changelog.gz"
check "the copyright file is machine-readable" \
    grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$stage/share/doc/torvane/copyright"
check "the copyright file points to the common licence" \
    grep -q "/usr/share/common-licenses/GPL-3" "$stage/share/doc/torvane/copyright"
check "the metainfo names the release" grep -q "release version=\"$version\"" "$stage/share/metainfo/$app.metainfo.xml"

(cd "$build" && umask 022 && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1)
deb=$(ls "$work"/deb/torvane_"$version"_*.deb 2>/dev/null | head -n 1)
check "cpack builds torvane_${version}_ARCH.deb" test -n "$deb"
if [ -z "$deb" ]; then
    cat "$work/cpack.log"
    echo "package checks failed"
    exit 1
fi
dpkg-deb -c "$deb" >"$work/contents"
for path in ./usr/games/torvane ./usr/share/applications/$app.desktop \
    ./usr/share/metainfo/$app.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$app.svg \
    ./usr/share/icons/hicolor/48x48/apps/$app.png ./usr/share/man/man6/torvane.6.gz \
    ./usr/share/doc/torvane/changelog.gz ./usr/share/doc/torvane/copyright; do
    check "the package holds $path" has "$work/contents" " $path"
done
check "the package holds nothing outside /usr" bash -c "! awk '{print \$6}' '$work/contents' | grep -v '^\./usr/\|^\./$'"
dpkg-deb -f "$deb" Depends >"$work/depends"
check "computed dependencies include Qt Widgets" has "$work/depends" "libqt6widgets6"
check "computed dependencies include Qt SVG" has "$work/depends" "libqt6svg6"
check "dependencies include the fonts" has "$work/depends" "fonts-freefont-ttf"
check "the package is in section games" bash -c "dpkg-deb -f '$deb' Section | grep -qx games"

# The description as dpkg shows it: the synopsis, then the long text as
# written, each line indented by one space, no list separators.
dpkg-deb -f "$deb" Description >"$work/description"
check "the synopsis is the first line" bash -c "head -n 1 '$work/description' | grep -qx 'roulette column bets with play money'"
check "the long description does not repeat the synopsis" \
    bash -c "! tail -n +2 '$work/description' | grep -q 'roulette column bets with play money'"
check "the long description reads as written" \
    grep -qx ' Torvane plays the column bets of roulette, "bottom 3 to 1": keep play money' "$work/description"
check "the long description has no list separators" bash -c "! grep -q ';' '$work/description'"
check "every continuation line is indented by one space" bash -c "tail -n +2 '$work/description' | grep -qv '^ ' && exit 1 || exit 0"
check "a paragraph break is a lone full stop" grep -qx ' \.' "$work/description"

dpkg-deb -x "$deb" "$work/root"
check "the packaged desktop entry starts the packaged binary" \
    grep -qx "Exec=/usr/games/torvane --keyboard" "$work/root/usr/share/applications/$app.desktop"
check "the packaged binary runs" bash -c "'$work/root/usr/games/torvane' --version | grep -qx 'torvane $version'"

# lintian: no error and no warning.
lintian --info --pedantic --no-tag-display-limit "$deb" >"$work/lintian" 2>&1
grep -E '^[EW]: ' "$work/lintian"
check "lintian reports no error and no warning" bash -c "! grep -qE '^[EW]: ' '$work/lintian'"
grep -E '^[IP]: ' "$work/lintian" | sed 's/^/  lintian note: /'

[ "$failures" -eq 0 ] && echo "all package checks passed" || echo "$failures package checks failed"
[ "$failures" -eq 0 ]
