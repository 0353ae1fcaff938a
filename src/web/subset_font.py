#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Build-time tool: cuts a font down to the characters the game draws and
writes it as WOFF2.

    subset_font.py SOURCE.ttf OUTPUT.woff2 CHARACTERS [NEW-FAMILY-NAME]

CHARACTERS is a file of UTF-8 text, or "ascii" for every printable ASCII
character (typed text may be any of them) and the few others the game
writes. A font whose licence reserves its name for the unmodified font (the
SIL Open Font License's Reserved Font Name, as Liberation's) must carry
another name once cut: NEW-FAMILY-NAME replaces its family name everywhere
in its name table; the copyright and licence records stay as they are.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Printable ASCII, the copyright sign and the ellipsis.
ASCII = "".join(chr(c) for c in range(0x20, 0x7F)) + "\u00a9\u2026"

# Name records that carry the family or the full name.
FAMILY_RECORDS = (1, 3, 4, 6, 16, 18, 21)


def main(source, output, characters, new_family=None):
    text = ASCII if characters == "ascii" else open(characters, encoding="utf-8").read()
    font = TTFont(source, recalcTimestamp=False)
    options = subset.Options()
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False  # browsers smooth the outlines themselves
    options.drop_tables += ["FFTM"]  # FontForge's timestamps
    options.flavor = "woff2"
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text + " ")
    subsetter.subset(font)
    if new_family:
        old_family = font["name"].getDebugName(1)
        for record in font["name"].names:
            if record.nameID in FAMILY_RECORDS:
                name = record.toUnicode().replace(old_family, new_family)
                name = name.replace(old_family.replace(" ", ""), new_family.replace(" ", ""))
                record.string = name
    font.flavor = "woff2"
    font.save(output, reorderTables=False)


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    main(*sys.argv[1:])
