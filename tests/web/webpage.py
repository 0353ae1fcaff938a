# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The built site in a browser engine (TORVANE_BROWSER: chromium, firefox or
webkit; see engines.py), driven as a player drives it: real mouse, touch and
key events sent through the engine's driver, the page read back from its
elements. Every test checks at its end that the
console stayed clean and nothing was asked of another origin; a failing test
leaves a screenshot and the console under the build tree."""
import functools
import json
import os
import pathlib
import sys
import threading
import time
import unittest
import warnings

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent.parent / "scripts"))
import serve  # noqa: E402  the project's own static server
import engines  # noqa: E402
from engines import ALT, CTRL, SHIFT  # noqa: E402,F401  (for the tests)
from engines import chromium_driver as start_chromium  # noqa: E402,F401  (for the tools)

SITE = pathlib.Path(os.environ.get("TORVANE_SITE", HERE.parent.parent / "build/web/site"))
LAYOUT = pathlib.Path(os.environ.get("TORVANE_LAYOUT", SITE.parent / "src/web/layout.json"))
FAILURES = SITE.parent / "web-test-failures"

# Before the page's own scripts: a Date whose second the test sets (left
# alone it is the real one), and a window.open that records the address
# instead of opening anything.
TEST_HOOKS = """
(() => {
  if (window.openedAddresses) return;  // run once, before or after load
  const RealDate = Date;
  let second = null;
  class TestDate extends RealDate {
    getSeconds() { return second === null ? super.getSeconds() : second; }
  }
  window.Date = TestDate;
  Object.defineProperty(window, 'testSecond', { set(s) { second = s; } });
  window.openedAddresses = [];
  window.open = (...args) => { window.openedAddresses.push(args); return null; };
  // What reached for another origin, in every engine: what the page
  // loaded and what its policy refused.
  window.refused = [];
  addEventListener('securitypolicyviolation', e => refused.push(e.blockedURI));
})();
"""

ENGINE = os.environ.get("TORVANE_BROWSER", "chromium")
# Selenium's WebKitGTK driver passes arguments its own next release drops.
warnings.filterwarnings("ignore", category=DeprecationWarning, module="selenium")


class Server:
    """The site on 127.0.0.1, on a port of its own, in this process."""

    def __init__(self, directory=SITE):
        handler = functools.partial(serve.Handler, directory=str(directory))
        serve.Handler.quiet = True
        self.httpd = serve.Server(("127.0.0.1", 0), handler)
        self.origin = f"http://127.0.0.1:{self.httpd.server_port}"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class PageTest(unittest.TestCase):
    """One browser and one server for the test class; each test loads the
    page afresh."""

    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.engine = engines.start(ENGINE, 1024, 900, TEST_HOOKS)

    @classmethod
    def tearDownClass(cls):
        cls.engine.quit()
        cls.server.stop()

    @classmethod
    def cdp(cls, command, **parameters):
        """A Chrome DevTools Protocol command, for the checks only Chromium
        can make (see `needs`)."""
        return cls.engine.cdp(command, **parameters)

    def needs(self, *abilities):
        """Skips the test where this engine's driver cannot do what it needs."""
        missing = sorted(set(abilities) & self.engine.cannot)
        if missing:
            self.skipTest(f"{self.engine.name} cannot give the test {', '.join(missing)}")

    def setUp(self):
        self.origin = self.server.origin
        self.console = []
        self.foreign = []
        self.artefacts = [FAILURES / f"{self.id().rsplit('.', 1)[-1]}.{ENGINE}{suffix}"
                          for suffix in (".png", ".console.txt")]
        for artefact in self.artefacts:
            artefact.unlink(missing_ok=True)
        self.open_page()

    def tearDown(self):
        self.read_logs()
        problems = [e for e in self.console if e[0] in ("WARNING", "SEVERE")]
        outcome = self._outcome.result
        failed = any(test is self for test, _ in outcome.failures + outcome.errors)
        if failed or problems or self.foreign:
            FAILURES.mkdir(exist_ok=True)
            self.artefacts[0].write_bytes(self.engine.screenshot())
            self.artefacts[1].write_text("\n".join(json.dumps(e) for e in self.console) + "\n")
        self.assertEqual(problems, [], "the console must stay clean")
        self.assertEqual(self.foreign, [], "nothing may be asked of another origin")

    # --- the page -----------------------------------------------------------

    def open_page(self, path="/", server=None):
        self.centres = {}
        self.read_logs()  # what the page before this one said
        self.origin = (server or self.server).origin
        self.engine.open(self.origin + path)
        self.wait_until_ready()

    def wait_until_ready(self):
        self.wait_for("document.documentElement.dataset.state === 'ready' &&"
                      " document.getElementById('frmdiduvor')")
        self.engine.after_load()

    def read_logs(self):
        """Gathers the console's lines and what was asked of other origins:
        the engine's own log where it has one, and in the page what it loaded
        and what its policy refused."""
        console, foreign = self.engine.logs(self.origin)
        self.console += console
        self.foreign += foreign
        try:
            seen = self.js("""
                const loaded = performance.getEntriesByType('resource').map(e => e.name);
                return [...loaded, ...(window.refused || [])];""")
        except AssertionError:  # between two documents
            return
        self.foreign += sorted(set(engines.foreign(seen, self.origin)) - set(self.foreign))

    def js(self, script, *arguments):
        """Runs `script` as a function body in the page, with `arguments`,
        and returns its result (a promise's, once settled)."""
        return self.engine.evaluate(script, list(arguments))

    def wait_for(self, condition, timeout=10.0):
        end = time.monotonic() + timeout
        while not self.holds(condition):
            if time.monotonic() > end:
                self.fail(f"waited {timeout}s for {condition}")
            time.sleep(0.005)

    def holds(self, condition):
        """Whether `condition` holds in the page; not while one page gives
        way to the next (the engine has no document to ask then)."""
        try:
            return self.js(f"return Boolean({condition});")
        except AssertionError:
            return False

    def settle(self):
        """Lets the events sent so far run to their end in the page: the
        protocol answers once the page has handled an input event, so what
        is left are the tasks that event queued."""
        self.js("return new Promise(r => setTimeout(r, 0));")

    def text(self, element_id):
        return self.js("const e = document.getElementById(arguments[0]);"
                       "return e.tagName === 'INPUT' ? e.value : e.textContent;", element_id)

    def box(self, element_id):
        """The element's border box in CSS pixels: left, top, width, height."""
        return self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height];", element_id)

    def centre(self, element_id):
        """Where to point at the element: its centre, remembered until the
        page is loaded again (the window does not move)."""
        if element_id not in self.centres:
            left, top, width, height = self.box(element_id)
            self.centres[element_id] = (left + width / 2, top + height / 2)
        return self.centres[element_id]

    def history(self):
        return self.js("return [...document.querySelectorAll('#lsthistory li')]"
                       ".map(e => e.textContent);")

    def background(self, element_id):
        return self.js("return getComputedStyle(document.getElementById(arguments[0]))"
                       ".backgroundColor;", element_id)

    def lit_cells(self):
        return [n for n in range(37) if self.background(f"lbl0_{n}") == "rgb(0, 255, 0)"]

    def focused(self):
        return self.js("return document.activeElement && document.activeElement.id;")

    # --- the player's hands -------------------------------------------------

    def mouse(self, x, y, button="left", modifiers=0):
        self.engine.pointer([("down", x, y, button), ("up", x, y, button)], modifiers)

    def click(self, element_id, button="left", modifiers=0):
        self.mouse(*self.centre(element_id), button=button, modifiers=modifiers)

    def touch(self, element_id, hold=0.0):
        self.needs("touch")
        self.engine.touch(*self.centre(element_id), hold)
        self.settle()

    def key(self, key, modifiers=0, repeats=0):
        """A key pressed and released: a named one (Enter, Escape, Tab,
        Backspace, Delete, ArrowRight, F1, F10, Shift, Home, End, " ") or a
        character; held for `repeats` repeats of its keydown before it is
        released."""
        self.engine.key(key, modifiers, repeats)

    def press(self, name, modifiers=0, repeats=0):
        self.key(name, modifiers, repeats)
        self.settle()

    def type_character(self, character, repeats=0):
        self.key(character, repeats=repeats)

    def type_into(self, element_id, text):
        """Clicks into a field, selects what is in it and types `text` over it."""
        self.click(element_id)
        self.key("a", CTRL)
        self.press("Backspace")
        for character in text:
            self.type_character(character)
        self.settle()

    # --- modal windows ------------------------------------------------------

    def message(self):
        """The open message box as (title, prompt, critical), or None."""
        shown = self.js("""
            const box = document.querySelector('dialog.message[open]');
            if (!box) return null;
            return [box.querySelector('#message-title').textContent,
                    box.querySelector('#message-prompt').textContent,
                    box.querySelector('.message-icon') !== null];""")
        return None if shown is None else tuple(shown)

    def wait_for_message(self):
        self.wait_for("document.querySelector('dialog.message[open]')")
        return tuple(self.message())

    def close_message(self):
        self.click_selector("dialog.message[open] .message-ok")
        self.wait_for("!document.querySelector('dialog.message')")

    def click_selector(self, selector):
        left, top, width, height = self.js(
            "const r = document.querySelector(arguments[0]).getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height];", selector)
        self.mouse(left + width / 2, top + height / 2)

    def menu(self, title, item):
        self.click(title)
        self.click(item)

    MODAL = """
        const modal = () => {
          if (document.querySelector('dialog.message[open]')) return 'message';
          for (const id of ['frmhelp', 'frmabout-window'])
            if (document.getElementById(id)?.open) return id;
          return document.getElementById('frmdiduvor') ? null : 'ended';
        };"""

    def modal(self):
        """Which modal window is open: "message", "frmhelp", "frmabout-window",
        "ended" (the game has ended) or None."""
        return self.js(self.MODAL + "return modal();")

    def assert_designed_rectangles(self, scale):
        """Every control at its designed rectangle times the main window's
        scale (twips / 15 CSS pixels at scale 1), within a pixel; an
        auto-size label from its designed corner."""
        design = layout()
        client = self.box("client")
        for got, wanted in zip(client[2:], design["client"]):
            self.assertAlmostEqual(got, wanted / 15 * scale, delta=1)
        for control in design["controls"]:
            left, top, width, height = [t / 15 * scale for t in control["rect"]]
            if control["container"] != "client":
                frame = next(c for c in design["controls"] if c["name"] == control["container"])
                left += frame["rect"][0] / 15 * scale
                top += frame["rect"][1] / 15 * scale
            shown = self.box(control["name"])
            at = [shown[0] - client[0], shown[1] - client[1], shown[2], shown[3]]
            name = control["name"]
            if not control["autoSize"]:
                for got, wanted in zip(at, (left, top, width, height)):
                    self.assertAlmostEqual(got, wanted, delta=1, msg=f"{name}: {at}")
            elif control["align"] == "right":
                self.assertAlmostEqual(at[0] + at[2], left + width, delta=1, msg=name)
            else:
                self.assertAlmostEqual(at[0], left, delta=1, msg=name)
                self.assertAlmostEqual(at[1], top, delta=1, msg=name)
        frame = self.box("frmpopular")
        for line in design["lines"]:
            left, top, width, height = self.box(line["name"])
            self.assertAlmostEqual(left + width / 2 - frame[0], line["x"] / 15 * scale, delta=1)
            self.assertAlmostEqual(top - frame[1], line["y2"] / 15 * scale, delta=1)
            self.assertAlmostEqual(top + height - frame[1], line["y1"] / 15 * scale, delta=1)
            self.assertAlmostEqual(width, line["width"] * scale, delta=0.5)

    def window_open(self, window_id):
        return self.js("const w = document.getElementById(arguments[0]);"
                       "return Boolean(w && w.open);", window_id)


def layout():
    with open(LAYOUT, encoding="utf-8") as f:
        return json.load(f)


SKIPPED = 77  # what CTest's SKIP_RETURN_CODE of the browser tests says


def main():
    """Runs the module's tests in the engine TORVANE_BROWSER names. A run in
    which every test was skipped (this engine's driver cannot send what
    they need) ends with SKIPPED, so that CTest shows a skip, not a pass."""
    program = unittest.main(verbosity=2, exit=False)
    result = program.result
    if not result.wasSuccessful():
        sys.exit(1)
    sys.exit(SKIPPED if result.testsRun and len(result.skipped) == result.testsRun else 0)
