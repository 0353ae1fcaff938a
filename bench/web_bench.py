#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The built site in headless Chromium, measured in one run:

- the bytes of a first load: every file the page asks for while it starts,
  each compressed with gzip -9, the JavaScript and WebAssembly apart; and the
  whole site the same way;
- the time from navigation to the main window drawn with its load handler
  done and the fonts ready, against a page with one label, median of RUNS
  fresh browsers (a new profile each: nothing cached, nothing compiled
  before) each, the two pages taking turns;
- SPIN, from the start of the click listener to the end of the handler and
  of the layout it causes (not the wait for the next frame), median of 200
  presses with the clock at second 59.

    web_bench.py SITE [RUNS]
"""
import gzip
import json
import pathlib
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import webpage  # noqa: E402

ONE_LABEL = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>One label</title>
<script src="one-label.js" defer></script></head>
<body><p>A label</p></body></html>
"""
ONE_LABEL_JS = ("document.fonts.ready.then(() => performance.mark('torvane-ready'));\n")

SPIN_TIMER = """
(() => {
  window.spinTimes = [];
  let start = 0;
  addEventListener('click', (e) => { if (e.target.id === 'cmdspin') start = performance.now(); },
                   true);
  // After every listener of the button: the window's, as the event bubbles.
  addEventListener('click', (e) => {
    if (e.target.id !== 'cmdspin') return;
    document.body.offsetHeight;  // the layout the handler's changes cause
    spinTimes.push(performance.now() - start);
  });
})();
"""


def gzipped(path):
    return len(gzip.compress(path.read_bytes(), compresslevel=9, mtime=0))


class Bench:
    def __init__(self, site):
        self.site = site
        self.server = webpage.Server(site)

    def in_fresh_browser(self, path, measure, hooks=None):
        """Opens `path` in a browser of its own, waits for the page's ready
        mark and measures."""
        driver = webpage.start_chromium()
        try:
            if hooks:
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": hooks})
            driver.get(self.server.origin + path)
            end = time.monotonic() + 20
            while not driver.execute_script(
                    "return performance.getEntriesByName('torvane-ready').length > 0;"):
                if time.monotonic() > end:
                    raise RuntimeError(f"{path} never got ready")
                time.sleep(0.005)
            return measure(driver)
        finally:
            driver.quit()

    @staticmethod
    def ready_time(driver):
        return driver.execute_script(
            "return performance.getEntriesByName('torvane-ready')[0].startTime;")

    def requested_files(self, driver):
        files = set()
        for entry in driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = message["params"]["request"]["url"]
                if url.startswith(self.server.origin):
                    path = url[len(self.server.origin):].split("?")[0]
                    files.add("index.html" if path == "/" else path.lstrip("/"))
        return sorted(files)

    @staticmethod
    def spin_times(driver, presses=200):
        return driver.execute_script(f"""
            window.testSecond = 59;
            const spin = document.getElementById('cmdspin');
            for (let i = 0; i < {presses}; ++i) spin.click();
            return spinTimes;""")

    def close(self):
        self.server.stop()


def main():
    site = pathlib.Path(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    with tempfile.TemporaryDirectory() as scratch:
        served = pathlib.Path(scratch) / "site"
        shutil.copytree(site, served)
        (served / "one-label.html").write_text(ONE_LABEL)
        (served / "one-label.js").write_text(ONE_LABEL_JS)
        bench = Bench(served)
        try:
            files = bench.in_fresh_browser("/", bench.requested_files)
            game, label = [], []
            for _ in range(runs):
                label.append(bench.in_fresh_browser("/one-label.html", bench.ready_time))
                game.append(bench.in_fresh_browser("/", bench.ready_time))
            spins = bench.in_fresh_browser("/", bench.spin_times,
                                           webpage.TEST_HOOKS + SPIN_TIMER)
        finally:
            bench.close()

    code = sum(gzipped(site / f) for f in files if f.endswith((".js", ".wasm")))
    first = sum(gzipped(site / f) for f in files)
    whole = sum(gzipped(p) for p in site.rglob("*") if p.is_file())
    rows = [
        ("first load: JavaScript and WebAssembly (gzip -9)", f"{code / 1000:.1f} KB", "<= 80 KB"),
        (f"first load: all {len(files)} files (gzip -9)", f"{first / 1000:.1f} KB", "<= 160 KB"),
        ("the whole site, licences included (gzip -9)", f"{whole / 1000:.1f} KB", ""),
        ("load to the window drawn: one-label page", f"{statistics.median(label):.1f} ms", ""),
        ("load to the window drawn: Torvane", f"{statistics.median(game):.1f} ms", ""),
        ("load time ratio", f"{statistics.median(game) / statistics.median(label):.2f}",
         "<= 1.75"),
        ("SPIN, listener to layout (median of 200)", f"{statistics.median(spins) * 1000:.0f} us",
         "< 2000 us"),
    ]
    for what, value, target in rows:
        print(f"{what:<52} {value:>12} {target:>12}")
    print("files of the first load: " + " ".join(files))
    return 0


if __name__ == "__main__":
    sys.exit(main())
