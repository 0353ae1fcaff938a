#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Lighthouse's four scores for the built site, in Debian's Chromium, on its
desktop and its mobile preset, RUNS runs of each in a row, once by an
English browser and once by a French one (which index.html sends on to
fr.html). The site is served by the project's own server, compressed as a
web host sends it.

    lighthouse.py SITE LIGHTHOUSE [RUNS]

LIGHTHOUSE is the lighthouse program that npm installed from
bench/lighthouse's lock file. Prints, for each preset, the lowest score of
each category over the runs and the median first and largest contentful
paint and the layout shift; the target is 100 in every category in every
run, and no layout shift."""
import json
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import webpage  # noqa: E402

CATEGORIES = ("performance", "accessibility", "best-practices", "seo")


def run(lighthouse, url, preset, language, report):
    flags = ["--preset=desktop"] if preset == "desktop" else []
    subprocess.run([lighthouse, url, *flags, "--quiet", "--output=json",
                    f"--output-path={report}",
                    "--chrome-flags=--headless=new --no-sandbox --disable-gpu"
                    f" --lang={language} --accept-lang={language}"],
                   check=True, env={**os.environ, "CHROME_PATH": "/usr/bin/chromium"},
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(report, encoding="utf-8") as f:
        result = json.load(f)
    scores = {c: round(result["categories"][c]["score"] * 100) for c in CATEGORIES}
    audits = result["audits"]
    return scores, audits["first-contentful-paint"]["numericValue"], \
        audits["largest-contentful-paint"]["numericValue"], \
        audits["cumulative-layout-shift"]["numericValue"], result["finalDisplayedUrl"]


def main():
    site, lighthouse = pathlib.Path(sys.argv[1]), sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    server = webpage.Server(site)
    worst = True
    try:
        with tempfile.TemporaryDirectory() as scratch:
            for language in ("en-US", "fr"):
                for preset in ("desktop", "mobile"):
                    results = [run(lighthouse, server.origin + "/", preset, language,
                                   f"{scratch}/report.json") for _ in range(runs)]
                    lowest = {c: min(r[0][c] for r in results) for c in CATEGORIES}
                    shift = max(r[3] for r in results)
                    worst = worst and all(score == 100 for score in lowest.values()) and shift == 0
                    page = results[-1][4].rsplit("/", 1)[-1] or "index.html"
                    print(f"Lighthouse {preset}, {language} browser ({page}), lowest of {runs}"
                          " runs: " + ", ".join(f"{c} {s}" for c, s in lowest.items()) +
                          f"; median FCP {statistics.median(r[1] for r in results):.0f} ms,"
                          f" LCP {statistics.median(r[2] for r in results):.0f} ms,"
                          f" largest layout shift {shift:g}"
                          "   (target: 100 in every category, no shift)")
    finally:
        server.stop()
    return 0 if worst else 1


if __name__ == "__main__":
    sys.exit(main())
