#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The package step of the browser build makes an archive that holds the
site as it is, every file byte for byte, in one folder named after the
version, for any static web host:  archive_test.py BUILD-DIR VERSION"""
import pathlib
import subprocess
import sys
import zipfile

build, version = pathlib.Path(sys.argv[1]), sys.argv[2]
subprocess.run(["cpack", "-G", "ZIP"], cwd=build, check=True, stdout=subprocess.DEVNULL)
folder = f"torvane-web-{version}"
site = build / "site"
wanted = {f"{folder}/{p.relative_to(site)}": p.read_bytes()
          for p in site.rglob("*") if p.is_file()}
with zipfile.ZipFile(build / f"{folder}.zip") as archive:
    held = {i.filename: archive.read(i) for i in archive.infolist() if not i.is_dir()}
missing = sorted(set(wanted) - set(held))
extra = sorted(set(held) - set(wanted))
changed = sorted(n for n in set(wanted) & set(held) if wanted[n] != held[n])
for what, names in (("missing", missing), ("not in the site", extra), ("changed", changed)):
    for name in names:
        print(f"FAIL: {what}: {name}")
if not (missing or extra or changed) and f"{folder}/index.html" in held:
    print(f"{len(held)} files, the site as built")
    sys.exit(0)
sys.exit(1)
