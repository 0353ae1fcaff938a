#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The same look in every engine: the page draws its own buttons, fields and
frames, so no engine's theme shows through. The main window, after one bet
and one spin, in Firefox and in WebKit against Chromium: every caption on as
many lines, and under 3 % of the pixels off by more than 24 levels, where a
pixel may match any pixel within 1 px of it (each engine rasterises glyphs
its own way). The three pictures are left under the build tree to look at."""
import io
import unittest

from PIL import Image, ImageChops

import engines
import webpage

TOLERANCE = 24  # levels, in the channel furthest off
SHARE = 0.03

# Every text shown in the window and how many lines it takes.
LINES = """
    return [...document.querySelectorAll('#frmdiduvor *')].filter(e =>
        [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim()) &&
        e.checkVisibility() && !e.closest('.visually-hidden')).map(e => {
      const range = document.createRange();
      range.selectNodeContents(e);
      const tops = new Set([...range.getClientRects()].filter(r => r.width > 0)
                           .map(r => Math.round(r.top)));
      return [e.id || e.className, e.textContent.trim(), tops.size];
    });"""


def off_share(a, b):
    """The share of a's pixels that no pixel of b within 1 px of it matches
    to TOLERANCE levels."""
    nearest = None
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            shifted = ImageChops.offset(b, dx, dy)
            bands = ImageChops.difference(a, shifted).split()
            worst = ImageChops.lighter(ImageChops.lighter(bands[0], bands[1]), bands[2])
            nearest = worst if nearest is None else ImageChops.darker(nearest, worst)
    histogram = nearest.histogram()
    return sum(histogram[TOLERANCE + 1:]) / (a.width * a.height)


class Look(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.server = webpage.Server()

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def shown(self, name):
        """The main window's picture and its texts' lines in engine `name`."""
        engine = engines.start(name, 1024, 900, webpage.TEST_HOOKS)
        try:
            test = webpage.PageTest("run")
            test.engine, test.server = engine, self.server
            test.origin, test.console, test.foreign = self.server.origin, [], []
            test.open_page()
            test.js("window.testSecond = 13;")
            test.click("lblleft")
            test.click("cmdspin")
            left, top, width, height = [round(v) for v in test.box("client")]
            picture = Image.open(io.BytesIO(engine.screenshot())).convert("RGB")
            picture = picture.crop((left, top, left + width, top + height))
            webpage.FAILURES.mkdir(exist_ok=True)
            picture.save(webpage.FAILURES / f"look.{name}.png")
            return picture, test.js(LINES)
        finally:
            engine.quit()

    def test_firefox_and_webkit_look_as_chromium_does(self):
        chromium, lines = self.shown("chromium")
        self.assertGreater(len(lines), 40)
        self.assertIn(["cmdtransfer", "Transfer winnings to bank.", 2],
                      [line for line in lines if line[0] == "cmdtransfer"])
        for name in ("firefox", "webkit"):
            with self.subTest(engine=name):
                picture, their_lines = self.shown(name)
                self.assertEqual(their_lines, lines)
                self.assertEqual(picture.size, chromium.size)
                share = off_share(picture, chromium)
                print(f"{name}: {share:.2%} of the pixels off", flush=True)
                self.assertLess(share, SHARE)


if __name__ == "__main__":
    unittest.main(verbosity=2)
