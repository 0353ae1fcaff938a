#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Build-time tool: writes the site's service worker from its template, with
the list of the site's files and a version drawn from their contents, so
that any change of any file makes a new worker and a new kept copy.

    write_service_worker.py TEMPLATE SITE
"""
import hashlib
import json
import pathlib
import sys


def main(template, site):
    site = pathlib.Path(site)
    worker = site / "sw.js"
    files = sorted(p.relative_to(site).as_posix() for p in site.rglob("*")
                   if p.is_file() and p != worker)
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes() + b"\0")
    text = pathlib.Path(template).read_text(encoding="utf-8")
    text = text.replace("@VERSION@", digest.hexdigest()[:16])
    text = text.replace("@FILES@", ", ".join(json.dumps(name) for name in files))
    worker.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
