#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The page on phones' screens (a phone's viewport, with its device pixel
ratio of 3 and touch where the engine emulates them): every window wholly on
the screen with no sideways scroll, every control at its designed rectangle
times the window's scale and every touch target large enough. Taps at that
size are in touch_test.py."""
import webpage

PHONES = ((360, 740), (390, 844), (412, 915))
TARGETS = "button, input, [role='button'], .menu-title, .menu-item, .list"


class Phone(webpage.PageTest):

    def setUp(self):
        self.needs("phone viewport")
        super().setUp()

    def on_phone(self, width, height):
        self.engine.viewport(width, height, 3, mobile=True)
        self.open_page()

    def tearDown(self):
        super().tearDown()
        self.engine.viewport()

    def on_screen(self, element_id):
        """Whether the element lies wholly within the layout viewport."""
        return self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "const root = document.documentElement;"
                       "return r.left >= -0.5 && r.top >= -0.5 && r.right <= root.clientWidth + 0.5"
                       " && r.bottom <= root.clientHeight + 0.5;", element_id)

    def small_targets_without_room(self):
        """The touch targets shown (not those only a screen reader finds) under
        24 x 24 CSS px whose 24 x 24 square
        about their centre overlaps another target."""
        return self.js("""
            const shown = [...document.querySelectorAll(arguments[0])]
              .filter(e => !e.closest('.visually-hidden'))
              .map(e => [e, e.getBoundingClientRect()]).filter(([, r]) => r.width > 0);
            const overlaps = (a, b) => a.left < b.right && b.left < a.right &&
                                       a.top < b.bottom && b.top < a.bottom;
            return shown.filter(([e, r]) => {
              if (r.width >= 23.99 && r.height >= 23.99) return false;  // 24 as scaled
              const x = r.left + r.width / 2, y = r.top + r.height / 2;
              const room = {left: x - 12, right: x + 12, top: y - 12, bottom: y + 12};
              return shown.some(([o, q]) => o !== e && !o.contains(e) && !e.contains(o) &&
                                            overlaps(room, q));
            }).map(([e]) => e.id || e.className);""", TARGETS)

    def test_every_window_fits_at_its_scale(self):
        for width, height in PHONES:
            with self.subTest(phone=f"{width} x {height}"):
                self.on_phone(width, height)
                scale = min(1, (width - 16) / 388)
                self.assertTrue(self.on_screen("client"))
                self.assertLessEqual(self.js("return document.documentElement.scrollWidth;"),
                                     width, "no sideways scroll")
                self.assert_designed_rectangles(scale)
                # Touch targets are sized for a finger under a coarse pointer
                # only (a mouse player's menus stay as designed).
                coarse = self.js("return matchMedia('(pointer: coarse)').matches;")
                self.assertEqual(self.small_targets_without_room() if coarse else [], [])
                self.click("hlep")  # the Help menu open: its four items stacked
                self.assertEqual(self.small_targets_without_room() if coarse else [], [],
                                 "the Help menu")
                self.click("hlep")
                for item, window in (("help", "frmhelp"), ("about", "frmabout-window")):
                    self.menu("hlep", item)
                    self.wait_for(f"document.getElementById('{window}')?.open")
                    self.assertTrue(self.on_screen(window), window)
                    self.assertEqual(self.small_targets_without_room() if coarse else [], [],
                                     window)
                    self.click("lblhelp" if window == "frmhelp" else "cmdok")
                    self.wait_for(f"!document.getElementById('{window}')")


if __name__ == "__main__":
    webpage.main()
