# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""WebKit: Debian's MiniBrowser under WebKitWebDriver, on an Xvfb display of
its own. The page is read and written through the driver; the pointer and
the keys are real X input on that display (xdotool), which the browser
cannot tell from a player's. Each input waits until the page has seen it."""
import json
import os
import subprocess
import time

from selenium import webdriver
from selenium.webdriver.webkitgtk.options import Options

from engines import BUTTONS, KEYS, MODIFIERS, computed_name, wrapped

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

# What the page's console says, kept in the page: the driver has no log.
CONSOLE = """
(() => {
  if (window.testConsole) return;
  window.testConsole = [];
  for (const [name, level] of [['warn', 'WARNING'], ['error', 'SEVERE']]) {
    const real = console[name].bind(console);
    console[name] = (...args) => { testConsole.push([level, args.join(' ')]); real(...args); };
  }
  addEventListener('error', e => testConsole.push(['SEVERE', String(e.message)]));
  addEventListener('unhandledrejection', e => testConsole.push(['SEVERE', String(e.reason)]));
  window.testInputs = {pointerup: 0, keyup: 0};
  window.testDocument = Math.random();
  // Counted apart: WebKit may hand the page a key's release before a
  // pointer event that X had first.
  for (const type of ['pointerup', 'keyup'])
    addEventListener(type, () => testInputs[type]++, true);
  addEventListener('pointermove', e => {
    testMoves++;
    window.testPointer = [e.clientX, e.clientY];
  }, true);
  window.testMoves = 0;
  // The browser's own menu on a right press elsewhere than a bet box (whose
  // menu the page itself must cancel) stays shut: its grab would take the
  // release, and WebKitGTK then loses the next right release on the page too.
  addEventListener('contextmenu', e => {
    if (!e.target.closest('[data-event="MouseUp"]')) e.preventDefault();
  });
})();
"""


class WebKit:
    name = "webkit"
    # Touch: Xvfb has no touch screen. Key repeat: a second keydown of a key
    # already down never reaches the page (X repeats a held key only by its
    # timer). A phone's viewport: MiniBrowser's window is never narrower than
    # its toolbar, 447 px. The rest needs Chromium's protocol.
    cannot = frozenset({"touch", "key repeat", "phone viewport", "accessibility tree", "install",
                        "emulated media"})

    def __init__(self, width, height, init_script):
        self.init_script = init_script + CONSOLE
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                      "1600x1200x24", "-nolisten", "tcp"], pass_fds=[write])
        os.close(write)
        with os.fdopen(read) as f:
            self.display = ":" + f.readline().strip()
        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        saved = os.environ.get("DISPLAY")
        os.environ["DISPLAY"] = self.display
        try:
            self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                              options=options)
        finally:
            if saved is None:
                del os.environ["DISPLAY"]
            else:
                os.environ["DISPLAY"] = saved
        self.size = (width, height)
        self.offset = self.at = None
        self.driver.set_window_position(0, 0)
        self.viewport()

    def quit(self):
        self.driver.quit()
        self.xvfb.terminate()
        self.xvfb.wait(timeout=30)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], check=True,
                       env={**os.environ, "DISPLAY": self.display})

    def open(self, url):
        self.driver.get(url)

    def after_load(self):
        self.driver.execute_script(self.init_script)

    def evaluate(self, body, arguments):
        script = "const done = arguments[arguments.length - 1];" + wrapped(body, arguments) + \
                 ".then(done, e => done(JSON.stringify({testError: String(e)})));"
        answer = json.loads(self.driver.execute_async_script(script))
        if isinstance(answer, dict) and "testError" in answer:
            raise AssertionError(f"{body}: {answer['testError']}")
        return answer

    def inputs(self):
        """Which document is shown, and how many pointer and key releases it
        has seen."""
        return self.driver.execute_script(
            "const n = window.testInputs || {};"
            "return [window.testDocument, n.pointerup || 0, n.keyup || 0];")

    def send(self, arguments, pointerups=0, keyups=0):
        """Sends X input and waits until the page has seen that many more
        pointer and key releases (or another page is shown)."""
        document, *before = self.inputs()
        if document is None:  # a page the test has not looked at yet
            self.after_load()
            document, *before = self.inputs()
        self.xdotool(*arguments)
        end = time.monotonic() + 5
        while True:
            now = self.inputs()
            if now[0] != document:
                return
            if now[1] >= before[0] + pointerups and now[2] >= before[1] + keyups:
                # Counted as it starts out: let the page's own handlers and
                # what they queued run, as the other drivers do before they
                # answer.
                self.evaluate("return new Promise(r => setTimeout(r, 0));", [])
                return
            if time.monotonic() > end:
                raise AssertionError(f"the page did not see xdotool {' '.join(arguments)}")
            time.sleep(0.002)

    def screen(self, x, y):
        """Where a point of the viewport is on the display."""
        if self.offset is None:
            self.after_load()
            self.at = ("300", "300") if self.at != ("300", "300") else ("301", "301")
            self.xdotool("mousemove", *self.at)
            end = time.monotonic() + 5
            while not self.driver.execute_script("return window.testMoves;"):
                if time.monotonic() > end:
                    raise AssertionError("the page saw no pointer move")
                time.sleep(0.002)
            client = self.driver.execute_script("return window.testPointer;")
            self.offset = (int(self.at[0]) - client[0], int(self.at[1]) - client[1])
        return str(round(x + self.offset[0])), str(round(y + self.offset[1]))

    def held(self, modifiers):
        return [name for bit, _, name in MODIFIERS if modifiers & bit]

    def pointer(self, steps, modifiers=0):
        held = self.held(modifiers)
        arguments = [a for name in held for a in ("keydown", name)]
        expected = 0
        for kind, x, y, button in steps:
            # A player's hand moves onto what it presses: a pointer that has
            # not moved since a modal window closed gets no press in WebKit.
            if kind == "down" and self.screen(x, y) == self.at:
                arguments += ["mousemove", *self.screen(x + 1, y)]
            self.at = self.screen(x, y)
            arguments += ["mousemove", *self.at]
            if kind != "move":
                arguments += ["mousedown" if kind == "down" else "mouseup",
                              str(BUTTONS[button] + 1)]
                expected += kind == "up"
        arguments += [a for name in reversed(held) for a in ("keyup", name)]
        self.send(arguments, pointerups=expected, keyups=len(held))

    def touch(self, x, y, hold):
        raise NotImplementedError("no touch screen on Xvfb")

    def key(self, key, modifiers=0, repeats=0):
        keysym = KEYS[key][4] if key in KEYS else {"+": "plus", "-": "minus"}.get(key, key)
        held = self.held(modifiers)
        name = "+".join([*held, keysym])
        self.send(["keydown", name] * (1 + repeats) + ["keyup", name], keyups=1 + len(held))

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def logs(self, origin):
        try:
            console = self.driver.execute_script(
                "const c = window.testConsole || []; window.testConsole = []; return c;")
        except Exception:  # between two documents
            console = []
        return [tuple(entry) for entry in console], []

    def viewport(self, width=None, height=None, scale=1, mobile=False):
        """Sizes the window so that its page is width x height CSS px."""
        width, height = (width, height) if width else self.size
        self.driver.set_window_size(width, height)
        inner = self.driver.execute_script("return [innerWidth, innerHeight];")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])
        self.offset = None

    def accessible(self, element_id):
        return computed_name(self.driver, element_id)
