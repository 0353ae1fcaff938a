# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The three browser engines behind one small interface, so that one test
code plays the page in each:

- Chromium: Debian's chromium through chromedriver, input and the rest
  through the Chrome DevTools Protocol.
- Firefox: Debian's firefox-esr spoken to over WebDriver BiDi, its own
  remote protocol (Debian has no geckodriver), on a websocket.
- WebKit: Debian's WebKitWebDriver with MiniBrowser on a private Xvfb; the
  pointer and the keys are real X input (xdotool on that display), since the
  driver's own actions lose a right button's release after a context menu,
  have no middle button and send "=" for "+".

Each engine offers: open(url), evaluate(function body, arguments), pointer
steps (press, move, release, with modifiers held), touch, key presses,
screenshot(), logs() and viewport(). What one engine cannot do is named by
`cannot`: the tests skip such a check there and say why.

The page's Date is replaced after load in the engines that cannot run a
script before the page's own (WebKit): the page makes a new Date at each
spin, so that is enough."""
import base64
import json
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ALT, CTRL, SHIFT = 1, 2, 8  # modifier bits, as the Chrome DevTools Protocol counts them

# Named keys: DOM key value -> (CDP code, Windows virtual key, text typed,
# WebDriver key code, X keysym).
KEYS = {
    "Enter": ("Enter", 13, "\r", "\ue007", "Return"),
    "Escape": ("Escape", 27, "", "\ue00c", "Escape"),
    "Tab": ("Tab", 9, "", "\ue004", "Tab"),
    "Backspace": ("Backspace", 8, "", "\ue003", "BackSpace"),
    "Delete": ("Delete", 46, "", "\ue017", "Delete"),
    "ArrowLeft": ("ArrowLeft", 37, "", "\ue012", "Left"),
    "ArrowUp": ("ArrowUp", 38, "", "\ue013", "Up"),
    "ArrowRight": ("ArrowRight", 39, "", "\ue014", "Right"),
    "ArrowDown": ("ArrowDown", 40, "", "\ue015", "Down"),
    "F1": ("F1", 112, "", "\ue031", "F1"),
    "F10": ("F10", 121, "", "\ue03a", "F10"),
    "Shift": ("ShiftLeft", 16, "", "\ue008", "Shift_L"),
    "Home": ("Home", 36, "", "\ue011", "Home"),
    "End": ("End", 35, "", "\ue010", "End"),
    " ": ("Space", 32, " ", " ", "space"),
}
MODIFIERS = ((SHIFT, "\ue008", "shift"), (CTRL, "\ue009", "ctrl"), (ALT, "\ue00a", "alt"))
BUTTONS = {"left": 0, "middle": 1, "right": 2}


def wrapped(body, arguments):
    """A script that runs `body` as a function of `arguments` and gives its
    result (a promise's, once settled) as JSON text: every engine returns a
    string the same way."""
    return (f"Promise.resolve((function() {{ {body}\n}}).apply(null, {json.dumps(arguments)}))"
            ".then(v => JSON.stringify(v === undefined ? null : v))")


def foreign(urls, origin):
    """The addresses of `urls` outside `origin` (a data: URL is the page's own)."""
    return [url for url in urls if not url.startswith(origin) and not url.startswith("data:")]


def computed_name(driver, element_id):
    """The element's role and accessible name as WebDriver computes them."""
    element = driver.find_element("id", element_id)
    return element.aria_role, element.accessible_name


def chromium_driver(width=1024, height=900):
    """Headless Chromium under chromedriver, logging the console and the
    network (also for the benchmark and the screenshots)."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-quic", "--disable-extensions",
                     f"--window-size={width},{height}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Chromium:
    name = "chromium"
    cannot = frozenset()

    def __init__(self, width, height, init_script):
        self.driver = chromium_driver(width, height)
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=init_script)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)

    def quit(self):
        self.driver.quit()

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def open(self, url):
        self.driver.get(url)

    def after_load(self):
        """Nothing to do: the test's script ran before the page's own."""

    def evaluate(self, body, arguments):
        answer = self.cdp("Runtime.evaluate", expression=wrapped(body, arguments),
                          awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in answer:
            raise AssertionError(f"{body}: {answer['exceptionDetails']}")
        return json.loads(answer["result"]["value"])

    def pointer(self, steps, modifiers=0):
        for kind, x, y, button in steps:
            kind = {"down": "mousePressed", "move": "mouseMoved", "up": "mouseReleased"}[kind]
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                     clickCount=0 if kind == "mouseMoved" else 1, modifiers=modifiers)

    def touch(self, x, y, hold):
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        if hold:
            time.sleep(hold)
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, key, modifiers=0, repeats=0):
        if key in KEYS:
            code, virtual, text = KEYS[key][:3]
        else:
            text = key
            code = f"Key{key.upper()}" if key.isalpha() else ""
            virtual = ord(key.upper()) if key.isalnum() else 0
            if key == "+":
                code, virtual = "NumpadAdd", 107
            elif key == "-":
                code, virtual = "Minus", 189
        if modifiers & CTRL:
            text = ""
        common = {"key": key, "code": code, "windowsVirtualKeyCode": virtual,
                  "modifiers": modifiers}
        for repeat in range(1 + repeats):
            self.cdp("Input.dispatchKeyEvent", type="keyDown", text=text, autoRepeat=repeat > 0,
                     **common)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", **common)

    def screenshot(self):
        return base64.b64decode(self.cdp("Page.captureScreenshot", format="png")["data"])

    def logs(self, origin):
        console = [(e["level"], e["message"]) for e in self.driver.get_log("browser")]
        messages = [json.loads(e["message"])["message"] for e in self.driver.get_log("performance")]
        return console, foreign([m["params"]["request"]["url"] for m in messages
                                 if m["method"] == "Network.requestWillBeSent"], origin)

    def viewport(self, width=None, height=None, scale=1, mobile=False):
        if width is None:
            self.cdp("Emulation.clearDeviceMetricsOverride")
        else:
            self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                     deviceScaleFactor=scale, mobile=mobile)

    def accessible(self, element_id):
        return computed_name(self.driver, element_id)


def start(name, width, height, init_script):
    """Engine `name` with a viewport of width x height CSS px, running
    `init_script` in every document it opens before the page's own scripts
    where it can."""
    if name == "firefox":
        from engine_firefox import Firefox as engine
    elif name == "webkit":
        from engine_webkit import WebKit as engine
    else:
        engine = Chromium
    return engine(width, height, init_script)
