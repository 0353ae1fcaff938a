#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The page for every player: a whole game by keyboard alone and one through
the accessibility tree alone, the controls' roles and names as WebDriver
computes them, the WCAG 2.1 A and AA rules of axe-core, the
contrast of every text on the rendered pixels in the light and the dark
scheme, and the game installable and playable offline."""
import io
import os
import pathlib

from PIL import Image

import webpage
from webpage import CTRL, SHIFT


class Keyboard(webpage.PageTest):

    def tab(self, backwards=False):
        self.press("Tab", SHIFT if backwards else 0)
        return self.focused()

    def test_a_whole_game_by_keyboard_alone(self):
        self.assertEqual(self.focused(), "cmdspin")
        self.assertEqual(self.tab(backwards=True), "file")  # the menu bar: one stop
        self.assertEqual(self.tab(), "cmdspin")
        chain = ["txtbets", "cmdreset", "txtbank", "cmdtransfer", "lsthistory", "cmddblup",
                 "cmddbldown", "lblleft", "lblmiddle", "lblright"]
        self.assertEqual([self.tab() for _ in chain], chain)
        self.js("document.getElementById('lblright').focus();")
        self.assertEqual([self.tab(backwards=True) for _ in range(3)],
                         ["lblmiddle", "lblleft", "cmddbldown"])

        # The bank and the increment, typed.
        for field, text in (("txtbank", "500"), ("txtbets", "50")):
            self.js("document.getElementById(arguments[0]).focus();", field)
            self.key("a", CTRL)
            for character in text:
                self.type_character(character)
        # On a focused box Space, Enter and + place; -, Delete and Backspace
        # take back.
        self.js("document.getElementById('lblleft').focus();")
        self.press(" ")
        self.press("Enter")
        self.assertEqual((self.text("txtbank"), self.text("lblleft")), ("400", "100"))
        self.press("+")
        self.press("+")
        for take_back in ("-", "Delete", "Backspace"):
            self.press(take_back)
        self.assertEqual((self.text("txtbank"), self.text("lblleft")), ("450", "50"))
        self.js("document.getElementById('lblright').focus();")
        self.press("Backspace")
        self.assertEqual(self.wait_for_message()[0], "No Bets Left")
        self.press("Enter")
        self.assertIsNone(self.message())
        self.assertEqual(self.focused(), "lblright")

        # SPIN by Enter, the winnings transferred by Space.
        self.js("window.testSecond = 13;")  # the first spin draws 31, in the left column
        self.js("document.getElementById('cmdspin').focus();")
        self.press("Enter")
        self.assertEqual((self.lit_cells(), self.text("lblwin")), ([31], "R150"))
        self.js("document.getElementById('cmdtransfer').focus();")
        self.press(" ")
        self.assertEqual(self.text("txtbank"), "600")

        # The menus: F10, the arrows, Enter and Escape; in a menu the access
        # letters. Help closes on Escape, About on any character key.
        self.press("F10")
        self.assertEqual(self.focused(), "file")
        self.press("ArrowRight")
        self.press("ArrowRight")
        self.assertEqual(self.focused(), "hlep")
        self.press("Enter")
        self.assertEqual(self.focused(), "help")
        self.type_character("h")
        self.wait_for("document.getElementById('frmhelp')?.open")
        self.press("Escape")
        self.wait_for("!document.getElementById('frmhelp')")
        self.press("F10")
        self.press("ArrowLeft")  # round to Help
        self.press("ArrowUp")  # the last item
        self.assertEqual(self.focused(), "email")
        self.type_character("a")
        self.wait_for("document.getElementById('frmabout-window')?.open")
        self.press("Tab")
        self.wait_for("!document.getElementById('frmabout-window')")
        self.press("F10")
        self.press("ArrowRight")
        self.press("ArrowDown")
        self.assertEqual(self.focused(), "newgame")
        self.press("Enter")
        self.assertEqual((self.text("txtbank"), self.text("lblwin")), ("1000", "R0"))
        self.press("F10")
        self.press("Escape")  # back to where the focus was
        self.assertNotIn(self.focused(), ("file", "view", "hlep"))
        self.press("F10")
        self.press("Enter")
        self.type_character("e")
        self.assertIsNone(self.js("return document.getElementById('frmdiduvor');"))

    def test_held_keys_repeat_only_where_designed(self):
        self.needs("key repeat")
        # A held + repeats, a held Space or Enter does not.
        self.js("document.getElementById('lblleft').focus();")
        self.press("+", repeats=1)
        self.press(" ", repeats=2)
        self.press("Enter", repeats=2)
        self.assertEqual((self.text("txtbank"), self.text("lblleft")), ("900", "100"))
        # A held key cannot cycle a refusal: one box, open until a fresh
        # press; the held Enter that closes it places nothing after.
        self.js("document.getElementById('lblright').focus();")
        self.press("Backspace", repeats=3)
        self.assertEqual(self.wait_for_message()[0], "No Bets Left")
        self.assertEqual(self.js("return document.querySelectorAll('dialog.message').length;"), 1)
        self.press("Enter", repeats=3)
        self.assertIsNone(self.message())
        self.assertEqual((self.focused(), self.text("lblright")), ("lblright", "0"))

    def test_tab_after_the_last_control_leaves_the_page(self):
        self.js("document.getElementById('lblright').focus();")
        # MiniBrowser's window has no control of its own to take the focus:
        # there it goes round to the page's first stop.
        self.assertIn(self.tab(), ("file",) if self.engine.name == "webkit" else (None, ""))

    def test_the_focus_ring_shows_for_keys_only(self):
        ring = "return getComputedStyle(document.getElementById(arguments[0])).outlineStyle;"
        self.assertEqual(self.js(ring, "cmdspin"), "none")  # focused at start, no key yet
        self.click("cmdreset")
        self.assertEqual(self.js(ring, "cmdreset"), "none")
        self.press("Tab")
        self.assertEqual(self.focused(), "txtbank")
        self.press("Tab")
        self.assertEqual(self.js(ring, "cmdtransfer"), "solid")
        self.click("lblleft")
        self.assertEqual(self.js(ring, "cmdtransfer"), "none")


class Reader(webpage.PageTest):
    """The page as a screen reader finds it: Chromium's accessibility tree."""

    def setUp(self):
        self.needs("accessibility tree")
        super().setUp()

    def tree(self):
        nodes = self.cdp("Accessibility.getFullAXTree")["nodes"]
        return [n for n in nodes if not n.get("ignored")]

    @staticmethod
    def value(node, field):
        return node.get(field, {}).get("value")

    def find(self, role, name=None, tree=None):
        found = [n for n in (tree or self.tree()) if self.value(n, "role") == role and
                 (name is None or self.value(n, "name") == name)]
        self.assertTrue(found, f"no {role} named {name!r}")
        return found[0]

    def node_text(self, node, tree):
        """The text inside a node: its static text descendants, in order."""
        by_id = {n["nodeId"]: n for n in tree}
        texts = []

        def walk(n):
            if self.value(n, "role") in ("StaticText", "InlineTextBox"):
                if self.value(n, "role") == "StaticText":
                    texts.append(self.value(n, "name"))
                return
            for child in n.get("childIds", []):
                if child in by_id:
                    walk(by_id[child])
        walk(node)
        return "".join(texts)

    def press_node(self, node):
        """What a screen reader does with a button: its default action."""
        element = self.cdp("DOM.resolveNode", backendNodeId=node["backendDOMNodeId"])["object"]
        self.cdp("Runtime.callFunctionOn", objectId=element["objectId"],
                 functionDeclaration="function () { this.click(); }")
        self.settle()

    def type_into_node(self, node, text):
        self.cdp("DOM.focus", backendNodeId=node["backendDOMNodeId"])
        self.key("a", CTRL)
        self.cdp("Input.insertText", text=text)

    def test_a_whole_game_through_the_accessibility_tree(self):
        tree = self.tree()
        self.assertEqual(self.value(self.find("textbox", "Money in the bank", tree), "value"), "1000")
        self.assertEqual(self.value(self.find("textbox", "Bet increment", tree), "value"), "25")
        for name in ("SPIN", "New Game", "Transfer winnings to bank", "Halve the bet increment",
                     "Double the bet increment", "Left column stake: 0", "Middle column stake: 0",
                     "Right column stake: 0"):
            self.find("button", name, tree)
        self.find("menubar", tree=tree)
        self.assertEqual([self.value(n, "name") for n in tree
                          if self.value(n, "role") == "menuitem"], ["File", "View", "Help"])
        for line in ("Zero", "Left column", "Middle column", "Right column"):
            self.assertEqual(self.value(self.find("image", line, tree), "description"),
                             "No spins counted yet")
        self.find("list", "Spin history", tree)
        self.assertEqual(self.value(self.find("status", "WINNINGS R0", tree), "description"),
                         "Winnings not yet in the bank")

        self.type_into_node(self.find("textbox", "Money in the bank"), "300")
        self.type_into_node(self.find("textbox", "Bet increment"), "100")
        for action in ("Place bet, left column", "Place bet, left column",
                       "Place bet, middle column", "Take back bet, left column",
                       "Place bet, right column"):
            self.press_node(self.find("button", action))
        tree = self.tree()
        self.find("button", "Left column stake: 100", tree)
        self.find("button", "Middle column stake: 100", tree)
        self.find("button", "Right column stake: 100", tree)
        self.assertEqual(self.value(self.find("textbox", "Money in the bank", tree), "value"), "0")

        # A refusal is its dialog, read and closed.
        self.press_node(self.find("button", "Place bet, right column"))
        dialog = self.find("alertdialog", "Increment To High")
        self.assertEqual(self.value(dialog, "description"),
                         "Bet increment to big or no money in the bank!")
        # While it is open, the actions do nothing.
        self.js("document.querySelector('[data-box=lblleft][data-button=\"1\"]').click();")
        self.press_node(self.find("button", "OK"))
        self.assertIsNone(self.message())
        self.find("button", "Left column stake: 100")

        # SPIN: the number and the winnings said once; the cell read as the
        # current one; the chart lines with what they show. Equal stakes
        # come back three times, into the winnings, which go to the bank.
        for second in (7, 13, 0):
            self.js("window.testSecond = arguments[0];", second)
            self.press_node(self.find("button", "SPIN"))
            if second == 7:
                self.press_node(self.find("button", "Transfer winnings to bank"))
        tree = self.tree()
        self.assertEqual(self.value(self.find("textbox", "Money in the bank", tree), "value"), "300")
        status = [n for n in tree if self.value(n, "role") == "status" and
                  not (self.value(n, "name") or "").startswith("WINNINGS")]
        self.assertEqual([self.node_text(n, tree) for n in status],
                         ["Number 0 drawn. Winnings R0."])
        numbers = self.find("list", "Numbers", tree)
        items = [n for n in tree if n.get("parentId") == numbers["nodeId"]]
        self.assertEqual(len(items), 37)
        drawn = [self.node_text(n, tree) for n in items
                 if "drawn by the last spin" in self.value(n, "description")]
        self.assertEqual(drawn, ["0"])
        self.assertEqual(self.value(self.find("image", "Zero", tree), "description"),
                         "2 of 3 presses, 67%")
        history = self.find("list", "Spin history", tree)
        self.assertEqual(self.node_text(history, tree), "0001   00002   130003   0")

        # Help reads as its whole text; About as its texts.
        self.press_node(self.find("menuitem", "Help"))
        self.press_node([n for n in self.tree() if self.value(n, "role") == "menuitem"
                         and self.value(n, "name") == "Help"][1])
        tree = self.tree()
        help_window = self.find("dialog", "HOW TO PLAY TORVANE.", tree)
        self.assertIn("6. To bank your winnings click on (Transfer winnings to bank).",
                      self.node_text(help_window, tree))
        self.press("Escape")
        self.press_node(self.find("menuitem", "Help"))
        self.press_node(self.find("menuitem", "About"))
        tree = self.tree()
        about = self.find("dialog", "Torvane", tree)
        self.assertIn("Version 1.0.18", self.node_text(about, tree))
        self.press_node(self.find("button", "OK", tree))
        self.assertFalse(self.window_open("frmabout-window"))


class Names(webpage.PageTest):
    """The controls' roles and names as WebDriver computes them, in the
    engines whose driver can."""

    def test_every_control_has_its_role_and_name(self):
        self.needs("computed names")
        self.click("lblmiddle")
        wanted = {"txtbank": ("textbox", "Money in the bank"),
                  "txtbets": ("textbox", "Bet increment"),
                  "cmdspin": ("button", "SPIN"), "cmdreset": ("button", "New Game"),
                  "cmdtransfer": ("button", "Transfer winnings to bank"),
                  "cmddbldown": ("button", "Halve the bet increment"),
                  "cmddblup": ("button", "Double the bet increment"),
                  "lblleft": ("button", "Left column stake: 0"),
                  "lblmiddle": ("button", "Middle column stake: 25"),
                  "lsthistory": ("list", "Spin history")}
        self.assertEqual({name: self.engine.accessible(name) for name in wanted}, wanted)


class Audit(webpage.PageTest):
    """The rules of WCAG 2.1 at levels A and AA, as axe-core checks them, and
    the contrast of every text, read off the rendered pixels."""

    STATES = ("main window", "message box", "help", "About")
    TEXTS = {"main window": 37 + 3 + 20, "message box": 3, "help": 1, "About": 7}

    def enter(self, state):
        self.open_page()
        self.js("window.testSecond = 7;")
        self.click("lblleft")
        self.click("cmdspin")  # a lit number, a history line, winnings
        if state == "message box":
            self.click("cmdtransfer")
            self.click("cmdtransfer")
            self.wait_for_message()
        elif state == "help":
            self.menu("hlep", "help")
            self.wait_for("document.getElementById('frmhelp')?.open")
        elif state == "About":
            self.menu("hlep", "about")
            self.wait_for("document.getElementById('frmabout-window')?.open")

    def test_axe_finds_no_violation_of_wcag_2_1_a_or_aa(self):
        axe = pathlib.Path(os.environ["TORVANE_AXE"]).read_text(encoding="utf-8")
        for state in self.STATES:
            with self.subTest(state=state):
                self.enter(state)
                self.js(axe + "\nreturn true;")
                violations = self.js("""
                    return axe.run(document, {runOnly: {type: 'tag',
                        values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa']}})
                      .then(r => r.violations.map(v => v.id + ': ' +
                            v.nodes.map(n => n.target.join(' ')).join(', ')));""")
                self.assertEqual(violations, [], state)

    def text_boxes(self):
        """Every element that shows text of its own, by its border box."""
        return self.js("""
            const boxes = [];
            for (const e of document.querySelectorAll('body *')) {
              if (!e.checkVisibility() || e.closest('.visually-hidden')) continue;
              const own = [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim());
              if (!own && e.tagName !== 'INPUT') continue;
              if (e.closest('[inert]') || (document.querySelector('dialog[open]') &&
                  !e.closest('dialog[open]'))) continue;
              const r = e.getBoundingClientRect();
              boxes.push([e.id || e.className || e.tagName, r.left, r.top, r.width, r.height]);
            }
            return boxes;""")

    def test_every_text_reads_in_the_light_and_the_dark_scheme(self):
        self.needs("emulated media")
        for scheme in ("light", "dark"):
            self.cdp("Emulation.setEmulatedMedia",
                     features=[{"name": "prefers-color-scheme", "value": scheme}])
            for state in self.STATES:
                with self.subTest(scheme=scheme, state=state):
                    self.enter(state)
                    shot = self.cdp("Page.captureScreenshot", format="png")["data"]
                    image = Image.open(io.BytesIO(__import__("base64").b64decode(shot)))
                    image = image.convert("RGB")
                    boxes = self.text_boxes()
                    self.assertGreaterEqual(len(boxes), self.TEXTS[state])
                    for name, left, top, width, height in boxes:
                        reading = contrast_in(image, left + 1, top + 1, width - 2, height - 2)
                        self.assertGreaterEqual(reading[0], 4.5, f"{name}: {reading}")
        self.cdp("Emulation.setEmulatedMedia", features=[])


def luminance(rgb):
    def linear(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def contrast_in(image, left, top, width, height):
    """The contrast of an area's text: its most common colour is what the
    text is drawn on, and its pixel furthest from that the glyphs' ink."""
    box = (max(0, round(left)), max(0, round(top)),
           min(image.width, round(left + width)), min(image.height, round(top + height)))
    if box[2] <= box[0] or box[3] <= box[1]:
        return (21, None, None)
    colours = image.crop(box).getcolors(maxcolors=1 << 20)
    background = max(colours)[1]
    ink = max((c for _, c in colours), key=lambda c: contrast(c, background))
    return (contrast(ink, background), ink, background)


class Offline(webpage.PageTest):

    def test_installable_and_playable_with_no_network_once_visited(self):
        self.needs("install")
        self.assertEqual(self.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
        server = webpage.Server()
        try:
            self.open_page(server=server)
            self.js("return navigator.serviceWorker.ready.then(() => true);")
            self.wait_for("navigator.serviceWorker.controller !== null || true")
        finally:
            server.stop()
        self.open_page(server=server)
        self.click("lblmiddle")
        self.js("window.testSecond = 13;")
        self.click("cmdspin")
        self.assertEqual((self.lit_cells(), self.history()), ([31], ["0001   31"]))
        self.menu("hlep", "about")  # a picture and fonts not asked for before
        self.wait_for("document.getElementById('frmabout-window')?.open")
        self.click("cmdok")
        self.read_logs()


if __name__ == "__main__":
    webpage.main()
