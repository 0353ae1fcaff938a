# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The built site in headless Chromium, driven as a player drives it: real
mouse, touch and key events sent through the Chrome DevTools Protocol, the
page read back from its elements. Every test checks at its end that the
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

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent.parent / "scripts"))
import serve  # noqa: E402  the project's own static server

SITE = pathlib.Path(os.environ.get("TORVANE_SITE", HERE.parent.parent / "build/web/site"))
LAYOUT = pathlib.Path(os.environ.get("TORVANE_LAYOUT", SITE.parent / "src/web/layout.json"))
FAILURES = SITE.parent / "web-test-failures"

# Before the page's own scripts: a Date whose second the test sets (left
# alone it is the real one), and a window.open that records the address
# instead of opening anything.
TEST_HOOKS = """
(() => {
  const RealDate = Date;
  let second = null;
  class TestDate extends RealDate {
    getSeconds() { return second === null ? super.getSeconds() : second; }
  }
  window.Date = TestDate;
  Object.defineProperty(window, 'testSecond', { set(s) { second = s; } });
  window.openedAddresses = [];
  window.open = (...args) => { window.openedAddresses.push(args); return null; };
})();
"""

# Chrome DevTools Protocol modifier bits.
ALT, CTRL, SHIFT = 1, 2, 8


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


def start_chromium(width=1024, height=900):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-quic", "--disable-extensions",
                     f"--window-size={width},{height}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class PageTest(unittest.TestCase):
    """One browser and one server for the test class; each test loads the
    page afresh."""

    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        cls.driver = start_chromium()
        cls.cdp("Page.addScriptToEvaluateOnNewDocument", source=TEST_HOOKS)
        cls.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.stop()

    @classmethod
    def cdp(cls, command, **parameters):
        return cls.driver.execute_cdp_cmd(command, parameters)

    def setUp(self):
        self.console = []
        self.foreign = []
        self.artefacts = [FAILURES / f"{self.id().rsplit('.', 1)[-1]}{suffix}"
                          for suffix in (".png", ".console.txt")]
        for artefact in self.artefacts:
            artefact.unlink(missing_ok=True)
        self.open_page()

    def tearDown(self):
        self.read_logs()
        problems = [e for e in self.console if e["level"] in ("WARNING", "SEVERE")]
        outcome = self._outcome.result
        failed = any(test is self for test, _ in outcome.failures + outcome.errors)
        if failed or problems or self.foreign:
            FAILURES.mkdir(exist_ok=True)
            self.driver.save_screenshot(str(self.artefacts[0]))
            self.artefacts[1].write_text("\n".join(json.dumps(e) for e in self.console) + "\n")
        self.assertEqual(problems, [], "the console must stay clean")
        self.assertEqual(self.foreign, [], "nothing may be asked of another origin")

    # --- the page -----------------------------------------------------------

    def open_page(self, path="/"):
        self.centres = {}
        self.driver.get(self.server.origin + path)
        self.wait_for("document.documentElement.dataset.state === 'ready'")

    def read_logs(self):
        self.console += self.driver.get_log("browser")
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = message["params"]["request"]["url"]
                if not url.startswith(self.server.origin) and not url.startswith("data:"):
                    self.foreign.append(url)

    def js(self, script, *arguments):
        """Runs `script` as a function body in the page, with `arguments`,
        and returns its result (a promise's, once settled)."""
        expression = (f"(function() {{ {script}\n}}).apply(null, {json.dumps(arguments)})")
        answer = self.cdp("Runtime.evaluate", expression=expression, awaitPromise=True,
                          returnByValue=True)
        if "exceptionDetails" in answer:
            raise AssertionError(f"{script}: {answer['exceptionDetails']}")
        return answer["result"].get("value")

    def wait_for(self, condition, timeout=10.0):
        end = time.monotonic() + timeout
        while not self.js(f"return Boolean({condition});"):
            if time.monotonic() > end:
                self.fail(f"waited {timeout}s for {condition}")
            time.sleep(0.005)

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
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                     clickCount=1, modifiers=modifiers)

    def click(self, element_id, button="left", modifiers=0):
        self.mouse(*self.centre(element_id), button=button, modifiers=modifiers)

    def touch(self, element_id, hold=0.0):
        x, y = self.centre(element_id)
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        if hold:
            time.sleep(hold)
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        self.settle()

    def key(self, key, code=None, text="", virtual=0, modifiers=0, repeat=False):
        common = {"key": key, "code": code or key, "windowsVirtualKeyCode": virtual,
                  "modifiers": modifiers, "autoRepeat": repeat}
        self.cdp("Input.dispatchKeyEvent", type="keyDown", text=text, **common)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", **common)

    def press(self, name, modifiers=0, repeat=False):
        """A named key: Enter, Escape, Tab, Backspace, Delete, ArrowRight, F1, F10..."""
        keys = {"Enter": (13, "\r"), "Escape": (27, ""), "Tab": (9, ""), "Backspace": (8, ""),
                "Delete": (46, ""), "ArrowLeft": (37, ""), "ArrowUp": (38, ""),
                "ArrowRight": (39, ""), "ArrowDown": (40, ""), "F1": (112, ""),
                "F10": (121, ""), "Shift": (16, ""), "Home": (36, ""), "End": (35, ""),
                " ": (32, " ")}
        virtual, text = keys[name]
        self.key(name, "Space" if name == " " else name, text, virtual, modifiers, repeat)
        self.settle()

    def type_character(self, character, repeat=False):
        code = f"Key{character.upper()}" if character.isalpha() else ""
        virtual = ord(character.upper()) if character.isalnum() else 0
        if character == "+":
            code, virtual = "NumpadAdd", 107
        elif character == "-":
            code, virtual = "Minus", 189
        self.key(character, code, character, virtual, repeat=repeat)

    def type_into(self, element_id, text):
        """Clicks into a field, selects what is in it and types `text` over it."""
        self.click(element_id)
        self.key("a", "KeyA", "", 65, CTRL)
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


def main():
    unittest.main(verbosity=2)
