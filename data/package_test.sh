#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# Installs into a staging folder and builds the Debian package, then checks
# what they hold: package_test.sh BUILD_DIR VERSION
set -u
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME COMMAND...
    if "${@:2}" >/dev/null 2>&1; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
has() { grep -q -- "$2" "$1"; }

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
stage="$work/stage/usr"
check "the binary is installed" test -x "$stage/bin/torvane"
check "the desktop entry is installed" test -s "$stage/share/applications/org.example.torvane.desktop"
check "the metainfo is installed" test -s "$stage/share/metainfo/org.example.torvane.metainfo.xml"
check "the scalable icon is installed" test -s "$stage/share/icons/hicolor/scalable/apps/org.example.torvane.svg"
for size in 16 32 48 128 256; do
    check "the ${size}px icon is a ${size}x${size} PNG" bash -c \
        "file '$stage/share/icons/hicolor/${size}x${size}/apps/org.example.torvane.png' | grep -q 'PNG image data, $size x $size'"
done
entry="$stage/share/applications/org.example.torvane.desktop"
check "the desktop entry starts the installed binary" grep -qx "Exec=/usr/bin/torvane" "$entry"
check "the desktop entry's keyboard action starts it with --keyboard" \
    grep -qx "Exec=/usr/bin/torvane --keyboard" "$entry"
check "the keyboard action is named" grep -qx "Name=Play with the keyboard" "$entry"
check "the man page is installed in section 6" test -s "$stage/share/man/man6/torvane.6"
check "the metainfo names the release" grep -q "release version=\"$version\"" "$stage/share/metainfo/org.example.torvane.metainfo.xml"

(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1)
deb=$(ls "$work"/deb/torvane_"$version"_*.deb 2>/dev/null | head -n 1)
check "cpack builds torvane_${version}_ARCH.deb" test -n "$deb"
if [ -n "$deb" ]; then
    dpkg-deb -c "$deb" >"$work/contents"
    for path in ./usr/bin/torvane ./usr/share/applications/org.example.torvane.desktop \
        ./usr/share/metainfo/org.example.torvane.metainfo.xml \
        ./usr/share/icons/hicolor/scalable/apps/org.example.torvane.svg \
        ./usr/share/icons/hicolor/48x48/apps/org.example.torvane.png ./usr/share/man/man6/torvane.6; do
        check "the package holds $path" has "$work/contents" " $path"
    done
    check "the package holds nothing outside /usr" bash -c "! awk '{print \$6}' '$work/contents' | grep -v '^\./usr/\|^\./$'"
    dpkg-deb -f "$deb" Depends >"$work/depends"
    check "computed dependencies include Qt Widgets" has "$work/depends" "libqt6widgets6"
    check "computed dependencies include Qt SVG" has "$work/depends" "libqt6svg6"
    check "dependencies include the fonts" has "$work/depends" "fonts-freefont-ttf"
    check "the package is in section games" bash -c "dpkg-deb -f '$deb' Section | grep -qx games"
    dpkg-deb -x "$deb" "$work/root"
    check "the packaged desktop entry starts the packaged binary" \
        grep -qx "Exec=/usr/bin/torvane --keyboard" "$work/root/usr/share/applications/org.example.torvane.desktop"
    check "the packaged binary runs" bash -c "'$work/root/usr/bin/torvane' --version | grep -qx 'torvane $version'"
else
    cat "$work/cpack.log"
fi
[ "$failures" -eq 0 ] && echo "all package checks passed" || echo "$failures package checks failed"
[ "$failures" -eq 0 ]
