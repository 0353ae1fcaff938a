#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The game by touch: taps place, a long press takes back, a tap on a button
clicks it once, at the desktop size and at a phone's scale. An engine whose
driver sends no touch (WebKit under Xvfb) reports a skip."""
import webpage
from phone_test import PHONES


class Touch(webpage.PageTest):

    def setUp(self):
        self.needs("touch")
        super().setUp()

    def test_taps_place_and_a_long_press_takes_back(self):
        self.touch("lblright")
        self.assertEqual((self.text("txtbank"), self.text("lblright")), ("975", "25"))
        self.touch("lblright")
        self.assertEqual(self.text("lblright"), "50")
        self.touch("lblright", hold=0.7)
        self.assertEqual((self.text("txtbank"), self.text("lblright")), ("975", "25"))
        # A tap on a button clicks it once.
        self.js("window.testSecond = 0;")
        self.touch("cmdspin")
        self.assertEqual(self.history(), ["0001   0"])

    def test_on_a_phone_at_its_scale(self):
        try:
            for width, height in PHONES:
                with self.subTest(phone=f"{width} x {height}"):
                    self.engine.viewport(width, height, 3, mobile=True)
                    self.open_page()
                    self.touch("lblmiddle")
                    self.assertEqual((self.text("txtbank"), self.text("lblmiddle")),
                                     ("975", "25"))
                    self.touch("lblmiddle", hold=0.7)
                    self.assertEqual((self.text("txtbank"), self.text("lblmiddle")),
                                     ("1000", "0"))
        finally:
            self.engine.viewport()


if __name__ == "__main__":
    webpage.main()
