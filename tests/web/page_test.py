#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The game in each browser engine, played with the mouse and the keys, as
the page's player plays it (by touch: touch_test.py)."""

import webpage
from webpage import SHIFT

CRITICAL = True


class Game(webpage.PageTest):

    def test_a_whole_game(self):
        self.assertEqual(self.js("return document.title;"), "Diduvor 3/1 V1.0.18")
        self.assertEqual(self.text("frmdiduvor-caption"), "   Diduvor 3/1 V1.0.18")
        self.assertEqual(self.text("lblwin"), "R0")
        self.assertEqual(self.focused(), "cmdspin")

        # Stakes: left and middle buttons place, the right one takes back,
        # whatever the shift state.
        self.click("lblleft")
        self.assertEqual((self.text("txtbank"), self.text("lblleft")), ("975", "25"))
        self.click("lblmiddle", "middle")
        self.assertEqual((self.text("txtbank"), self.text("lblmiddle")), ("950", "25"))
        self.click("lblmiddle", "right", SHIFT)
        self.assertEqual((self.text("txtbank"), self.text("lblmiddle")), ("975", "0"))
        self.click("lblleft", "right")
        self.assertEqual((self.text("txtbank"), self.text("lblleft")), ("1000", "0"))

        # Eleven spins, 25 on the left column each time, at chosen seconds.
        draws = [(7, 0), (13, 13), (0, 0), (42, 15), (59, 2), (1, 3), (30, 10), (5, 9),
                 (21, 15), (44, 21), (18, 4)]
        for second, number in draws:
            self.click("lblleft")
            self.js("window.testSecond = arguments[0];", second)
            self.click("cmdspin")
            self.assertEqual(self.lit_cells(), [number], f"second {second}")
            self.assertEqual(self.text("lblleft"), "0")
        self.assertEqual(self.history(), [
            "0002   13", "0003   0", "0004   15", "0005   2", "0006   3", "0007   10",
            "0008   9", "0009   15", "0010   21", "0011   4"])
        # 13, 10 and 4 are in the left column: three times 75.
        self.assertEqual(self.text("lblwin"), "R225")
        self.assertEqual(self.text("txtbank"), "725")
        # The chart over 11 presses: 2 zeros, 3 left, 1 middle, 5 right.
        frame_top = self.box("frmpopular")[1]
        tops = {line: round(self.box(line)[1] - frame_top, 1) for line in ("ln0", "lnl", "lnm", "lnr")}
        self.assertEqual(tops, {"ln0": 54.5, "lnl": 48.5, "lnm": 60.6, "lnr": 36.3})
        for line in ("ln0", "lnl", "lnm", "lnr"):
            self.assertAlmostEqual(sum(self.box(line)[1::2]) - frame_top, 130, delta=0.5)

        self.click("cmdtransfer")
        self.assertEqual((self.text("txtbank"), self.text("lblwin")), ("950", "0"))
        self.click("cmdreset")
        self.assertEqual([self.text(c) for c in ("txtbank", "txtbets", "lblwin", "lblleft")],
                         ["1000", "25", "R0", "0"])
        self.assertEqual(self.history(), [])
        self.assertIsNone(self.message())

    def test_a_refusal_holds_the_old_values_until_ok(self):
        self.type_into("txtbank", "9999")
        self.type_into("txtbets", "49901")  # a fifth character is refused
        self.assertEqual(self.text("txtbets"), "4990")
        self.click("lblleft")
        self.assertEqual(self.message(), None)
        self.assertEqual((self.text("lblleft"), self.text("txtbank")), ("4990", "5009"))
        self.type_into("txtbets", "25")
        self.click("lblleft")
        self.assertEqual(self.wait_for_message(),
                         ("Maximum Bets", "5000 is the maximum bet for Torvane.", CRITICAL))
        self.assertEqual((self.text("lblleft"), self.text("txtbank")), ("4990", "5009"))
        # Nothing else on the page takes input meanwhile.
        self.click("cmdspin")
        self.click("lblright")
        self.js("document.getElementById('cmdreset').click();")
        self.assertEqual((self.text("lblright"), self.history()), ("0", []))
        self.close_message()
        self.assertEqual((self.text("lblleft"), self.text("txtbank")), ("5000", "4999"))
        self.assertEqual(self.text("txtbets"), "25")

        self.click("cmddbldown")
        self.assertEqual(self.wait_for_message(),
                         ("Torvane", "Minimum increment for Torvane is R25", not CRITICAL))
        self.press("Enter")
        self.assertIsNone(self.message())

    def test_letters_in_the_bank_get_a_message_and_play_goes_on(self):
        self.type_into("txtbank", "lots")
        self.click("lblmiddle")
        title, prompt, critical = self.wait_for_message()
        self.assertEqual((title, critical), ("Torvane", CRITICAL))
        self.assertTrue(prompt.startswith(
            'The bet could not be completed: the money in the bank ("lots") is not a number.'),
            prompt)
        self.press("Escape")
        self.assertIsNone(self.message())
        self.assertEqual((self.text("txtbank"), self.text("lblmiddle")), ("lots", "0"))
        # The right box reads such a bank leniently, as 0: refused, letters kept.
        self.click("lblright")
        self.assertEqual(self.wait_for_message()[0], "Increment To High")
        self.press(" ")
        # However long the text, the message quotes 40 characters of it and
        # fits the screen with its OK button.
        self.js("document.getElementById('txtbank').value = 'x'.repeat(32767);")
        self.click("lblmiddle")
        self.assertIn('("' + "x" * 40 + '\u2026")', self.wait_for_message()[1])
        box = self.js("const r = document.querySelector('dialog.message').getBoundingClientRect();"
                      "return [r.left, r.right, innerWidth];")
        self.assertTrue(0 <= box[0] and box[1] <= box[2], box)
        self.close_message()
        self.type_into("txtbank", "500")
        self.click("lblmiddle")
        self.assertEqual((self.text("txtbank"), self.text("lblmiddle")), ("475", "25"))

    def test_a_press_on_a_box_counts_when_released_anywhere(self):
        # As on the desktop, a release away from the box is still its MouseUp.
        x, y = self.centre("lblmiddle")
        self.engine.pointer([("down", x, y, "left"), ("move", x + 200, y - 150, "left"),
                             ("up", x + 200, y - 150, "left")])
        self.settle()
        self.assertEqual(self.text("lblmiddle"), "25")

    def test_the_drawn_number_is_the_current_one_for_assistive_technology(self):
        for second in (0, 5):
            self.js("window.testSecond = arguments[0];", second)
            self.click("cmdspin")
            lit = self.lit_cells()
            self.assertEqual(len(lit), 1)
            self.assertEqual(self.js("return [...document.querySelectorAll('[aria-current]')]"
                                     ".map(e => [e.id, e.getAttribute('aria-current')]);"),
                             [[f"lbl0_{lit[0]}", "true"]])

    def test_the_browsers_own_uses_of_the_buttons_never_happen_on_a_box(self):
        # Something selected (on Linux the middle button pastes it) and the
        # caret left in the bank.
        self.type_into("txtbank", "zz")
        self.type_into("txtbank", "1850")
        self.js("window.uncancelled = [];"
                "for (const type of ['contextmenu', 'auxclick', 'mousedown', 'dragstart'])"
                "  addEventListener(type, e => { if (!e.defaultPrevented) uncancelled.push(type); });")
        self.click("lblleft", "middle")
        self.click("lblleft", "right")
        self.assertEqual(self.text("txtbank"), "1850")
        self.assertEqual(self.js("return uncancelled;"), [])

    def test_help_and_about_open_and_close_as_designed(self):
        for closing in ("click", "Escape", "Enter"):
            self.menu("hlep", "help")
            self.wait_for("document.getElementById('frmhelp')?.open")
            left, top, width, height = self.box("frmhelp")
            scroll = self.js("return [scrollX, scrollY];")
            self.assertAlmostEqual(left + scroll[0], 3805 / 15, delta=1)
            self.assertAlmostEqual(top + scroll[1], 3000 / 15, delta=1)
            self.assertEqual((round(width), round(height)), (312, 231))
            text = self.text("lblhelp")
            self.assertTrue(text.startswith(" " * 15 + "HOW TO PLAY TORVANE.\r\n\r\n To play"))
            self.assertTrue(text.endswith("(Transfer winnings to bank)."))
            # Other keys and a click on the blue frame do nothing.
            self.press(" ")
            self.press("ArrowDown")
            self.type_character("a")
            self.mouse(left + 2, top + 2)
            self.settle()
            self.assertTrue(self.window_open("frmhelp"))
            if closing == "click":
                self.click("lblhelp")
            else:
                self.press(closing)
            self.wait_for("!document.getElementById('frmhelp')")

        for closing in ("x", "Escape", "OK"):
            self.menu("hlep", "about")
            self.wait_for("document.getElementById('frmabout-window')?.open")
            self.assertEqual(self.text("lblVersion"), "Version 1.0.18")
            self.assertEqual(self.text("lblProductName"), "Torvane")
            for key in ("ArrowRight", "F1", "Shift"):
                self.press(key)
            self.click("imgLogo")
            self.click("lblCopyright")
            self.assertTrue(self.window_open("frmabout-window"))
            if closing == "OK":
                self.click("cmdok")
            elif closing == "x":
                self.type_character("x")
            else:
                self.press(closing)
            self.wait_for("!document.getElementById('frmabout-window')")
        self.click("lblleft")
        self.assertEqual(self.text("lblleft"), "25")

    def test_the_links_open_outside_and_change_nothing(self):
        self.menu("hlep", "email")
        self.menu("hlep", "mailme")
        self.assertEqual(self.js("return window.openedAddresses;"), [
            ["http://www.example.org/torvane/", "_blank", "noopener"],
            ["mailto:winning-methods@example.org", "_self"]])
        self.assertEqual((self.text("txtbank"), self.history()), ("1000", []))
        self.assertIsNone(self.message())

    def test_exit_ends_the_game_and_play_again_starts_afresh(self):
        self.menu("hlep", "about")
        self.press("Escape")
        self.menu("file", "exit")
        self.assertIsNone(self.js("return document.getElementById('frmdiduvor');"))
        self.assertIsNone(self.js("return document.getElementById('frmabout-window');"))
        self.assertEqual(self.js("return document.getElementById('ended').innerText;").split("\n")[0],
                         "The game has ended.")
        self.click("playagain")
        self.wait_until_ready()
        self.assertEqual(self.text("txtbank"), "1000")

    def test_every_control_stands_at_its_designed_rectangle(self):
        self.assert_designed_rectangles(1.0)

if __name__ == "__main__":
    webpage.main()
