#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The translations' template and catalogues in po/.
#   scripts/po.sh template DESIGN_TEXTS OUT.pot
#       writes the template: the windows' texts as DESIGN_TEXTS (the program
#       torvane_design_texts) lists them, with what xgettext finds in the
#       sources (lang::N_ and NP_), the desktop entry and the metainfo
#   scripts/po.sh update DESIGN_TEXTS
#       writes po/torvane.pot anew and merges it into every po/*.po
#   scripts/po.sh check DESIGN_TEXTS
#       fails unless po/torvane.pot is what the sources make, and every
#       catalogue of po/LINGUAS is well formed, has every message of the
#       template translated, none fuzzy, and the same placeholders as its
#       English
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
po=$here/po

template() {
    local texts=$1 out=$2 work
    work=$(mktemp -d)
    "$texts" > "$work/design-texts.po"
    # Paths relative to the source tree, so that the template is the same
    # wherever the tree lies.
    (cd "$here" && find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > "$work/sources")
    (cd "$here" && xgettext --from-code=UTF-8 --qt --keyword= --keyword=N_:1c,2 \
        --keyword=NP_:1c,2,3 --add-comments=TRANSLATORS: --add-location=file \
        --package-name=torvane --package-version="$(version)" \
        --msgid-bugs-address=winning-methods@example.org \
        --copyright-holder="Torvane Tables" -o "$work/sources.pot" -f "$work/sources" \
        data/org.example.torvane.metainfo.xml.in)
    (cd "$here" && xgettext --from-code=UTF-8 -L Desktop --add-location=file \
        -o "$work/desktop.pot" data/org.example.torvane.desktop.in)
    # The sources' texts (whose header the template keeps), the desktop
    # entry's, then the design's.
    msgcat --use-first --add-location=file -o "$work/all.pot" "$work/sources.pot" \
        "$work/desktop.pot" "$work/design-texts.po"
    {
        echo "# SPDX-License-Identifier: GPL-3.0-or-later"
        echo "# SPDX-FileCopyrightText: 2025-2026 Torvane Tables"
        echo "# The template of Torvane's translations, made by scripts/po.sh from the"
        echo "# windows' designs and the sources: copy it to po/LANGUAGE.po to begin one."
        echo "#"
        sed -e '1,/^#$/d' -e 's/charset=CHARSET/charset=UTF-8/' "$work/all.pot"
    } > "$out"
    rm -rf "$work"
}

version() {
    sed -n 's/^project(torvane VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt"
}

languages() {
    grep -v '^#' "$po/LINGUAS"
}

# A template without the line that says when it was made.
undated() {
    grep -v '^"POT-Creation-Date:' "$1"
}

case "${1:-}" in
    template)
        template "$2" "$3"
        ;;
    update)
        template "$2" "$po/torvane.pot"
        for language in $(languages); do
            msgmerge --quiet --update --backup=none --no-fuzzy-matching \
                --add-location=file "$po/$language.po" "$po/torvane.pot"
        done
        ;;
    check)
        work=$(mktemp -d)
        trap 'rm -rf "$work"' EXIT
        template "$2" "$work/torvane.pot"
        if ! diff -u <(undated "$po/torvane.pot") <(undated "$work/torvane.pot"); then
            echo "po/torvane.pot is not what the sources make: run scripts/po.sh update" >&2
            exit 1
        fi
        failed=0
        for language in $(languages); do
            file=$po/$language.po
            if ! msgfmt --check --check-accelerators='&' --statistics -o /dev/null "$file" \
                2> "$work/stats"; then
                cat "$work/stats" >&2
                failed=1
                continue
            fi
            # "N translated messages." and nothing else: no fuzzy entry, none untranslated.
            if ! grep -qx '[0-9]* translated messages\.' "$work/stats"; then
                echo "$language.po: $(cat "$work/stats")" >&2
                failed=1
            fi
            if ! msgcmp "$file" "$po/torvane.pot" 2> "$work/cmp"; then
                echo "$language.po does not have every message of the template:" >&2
                cat "$work/cmp" >&2
                failed=1
            fi
            echo "$language: $(cat "$work/stats")"
        done
        exit $failed
        ;;
    *)
        echo "usage: scripts/po.sh template DESIGN_TEXTS OUT.pot | update DESIGN_TEXTS | check DESIGN_TEXTS" >&2
        exit 2
        ;;
esac
