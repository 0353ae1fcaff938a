#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Writes the compiled catalogues (msgfmt's .mo files) as C++ data.

    embed_catalogues.py OUT.cpp LANGUAGE=FILE.mo ...

Each catalogue becomes a sorted table of (context "\\004" English,
translation) pairs and its Plural-Forms expression, which is C and so
compiles as it stands. msgfmt has already checked the catalogues and left
out every fuzzy or untranslated entry.
"""
import gettext
import re
import sys


def literal(data: bytes) -> str:
    # Octal escapes are at most three digits long, so no following character
    # can run on into one (as it could into a \x escape).
    out = []
    for b in data:
        c = chr(b)
        if 0x20 <= b < 0x7F and c not in '"\\?':
            out.append(c)
        else:
            out.append('\\%03o' % b)
    return '"' + ''.join(out) + '"'


def view(data: bytes) -> str:
    return 'std::string_view(%s, %d)' % (literal(data), len(data))


def catalogue(language: str, path: str):
    with open(path, 'rb') as f:
        translations = gettext.GNUTranslations(f)
    entries = {}
    plurals = {}
    for key, value in translations._catalog.items():  # noqa: SLF001 (the parsed .mo)
        if isinstance(key, tuple):
            plurals.setdefault(key[0], {})[key[1]] = value
        elif key:
            entries[key] = value
    for key, forms in plurals.items():
        entries[key] = '\0'.join(forms[i] for i in sorted(forms))
    header = translations.info().get('plural-forms', 'nplurals=2; plural=(n != 1);')
    match = re.search(r'plural\s*=\s*([^;]+)', header)
    if not match or not re.fullmatch(r'[n0-9 ()!=<>&|?:%+\-*/]+', match.group(1)):
        sys.exit(f'{path}: cannot read its Plural-Forms: {header!r}')
    rows = sorted((k.encode(), v.encode()) for k, v in entries.items())
    return language, rows, match.group(1).strip()


def main():
    out, *inputs = sys.argv[1:]
    parsed = [catalogue(*arg.split('=', 1)) for arg in inputs]
    lines = ['// Written by embed_catalogues.py from po/*.po; do not edit.',
             '#include <array>', '', '#include "lang/Catalogue.h"', '', 'namespace torvane::lang {', 'namespace {']
    for language, rows, _ in parsed:
        name = 'k_' + language
        lines.append(f'const std::array<Entry, {len(rows)}> {name}{{{{')
        lines += [f'    {{{view(k)}, {view(v)}}},' for k, v in rows]
        lines.append('}};')
    lines += ['}  // namespace', '', 'std::span<const Catalogue> catalogues() {',
              '    static const Catalogue all[] = {']
    for language, _, plural in parsed:
        lines.append(f'        {{"{language}", k_{language},')
        lines.append(f'         [](unsigned long n) {{ return static_cast<int>({plural}); }}}},')
    if not parsed:
        lines.append('        {"", {}, nullptr},')
    lines += ['    };', f'    return std::span<const Catalogue>(all, {len(parsed)});', '}', '',
              '}  // namespace torvane::lang', '']
    with open(out, 'w', encoding='ascii') as f:
        f.write('\n'.join(lines))


if __name__ == '__main__':
    main()
