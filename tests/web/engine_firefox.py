# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Firefox over WebDriver BiDi, the browser's own remote protocol: headless
firefox-esr in a fresh profile, one websocket, commands answered in order.
Events (the console, requests) are gathered while an answer is awaited."""
import base64
import json
import re
import shutil
import subprocess
import tempfile
import threading

import websocket

from engines import BUTTONS, KEYS, MODIFIERS, foreign, wrapped

# Quiet start-up in a profile of its own: no first-run pages, no updates, no
# telemetry, no network of its own (the remote agent adds its recommended
# preferences for automation on top).
PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False,
    "browser.aboutwelcome.enabled": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "browser.safebrowsing.update.enabled": False,
    "extensions.update.enabled": False,
    "app.update.auto": False,
}


class Firefox:
    name = "firefox"
    # Over BiDi there is no accessibility tree, computed role or label, no
    # install prompt and no emulated media feature (nor a coarse pointer).
    cannot = frozenset({"accessibility tree", "computed names", "install", "emulated media"})

    def __init__(self, width, height, init_script):
        self.profile = tempfile.mkdtemp(prefix="torvane-firefox-")
        with open(f"{self.profile}/user.js", "w", encoding="utf-8") as f:
            for key, value in PREFERENCES.items():
                f.write(f"user_pref({json.dumps(key)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port=0", f"--window-size={width},{height}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                break
        else:
            raise RuntimeError("firefox-esr did not start its remote agent")
        # Firefox keeps writing to stderr; read it so that it never blocks.
        self.drain = threading.Thread(
            target=lambda: [None for _ in self.process.stderr], daemon=True)
        self.drain.start()
        self.socket = websocket.create_connection(found.group(1) + "/session", timeout=60,
                                                    suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.send("session.new", capabilities={})
        self.context = None
        self.new_tab()
        self.send("session.subscribe", events=["log.entryAdded", "network.beforeRequestSent"])
        self.send("script.addPreloadScript", functionDeclaration=f"() => {{ {init_script} }}")
        self.size = (width, height)
        self.viewport()

    def new_tab(self):
        """Plays on in a tab of its own, made over the protocol, closing the
        one before. The window Firefox opens at start never has the focus
        when headless (document.hasFocus() is false): there keys reach the
        focused element but run no default action (Enter and Space press no
        button, Space ticks no checkbox) and :focus never matches, on any
        page. A tab made over the protocol has the focus, as a player's tab
        has."""
        old = self.context
        self.context = self.send("browsingContext.create", type="tab",
                                 background=False)["context"]
        if old is not None:
            self.send("browsingContext.close", context=old)
            self.viewport(*self.shown)

    def quit(self):
        try:
            self.send("session.end")
        except Exception:  # the browser is going anyway
            pass
        self.socket.close()
        self.process.terminate()
        self.process.wait(timeout=30)
        shutil.rmtree(self.profile, ignore_errors=True)

    def send(self, method, **parameters):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": parameters}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise AssertionError(f"{method}: {message['error']}: {message['message']}")
                return message["result"]
            if message.get("type") == "event":
                self.events.append(message)

    def open(self, url):
        # A key that took the focus to the browser's own controls (a Tab past
        # the page's last control) leaves the tab without it for good, script
        # and clicks alike: the next page opens in a fresh tab instead.
        if not self.evaluate("return document.hasFocus();", []):
            self.new_tab()
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def after_load(self):
        """Nothing to do: the test's script ran before the page's own."""

    def evaluate(self, body, arguments):
        answer = self.send("script.evaluate", expression=wrapped(body, arguments),
                           target={"context": self.context}, awaitPromise=True)
        if answer["type"] == "exception":
            raise AssertionError(f"{body}: {answer['exceptionDetails']['text']}")
        return json.loads(answer["result"]["value"])

    def perform(self, pointer, keys=(), pointer_type="mouse"):
        """One tick per action: the modifier keys go down first, the pointer
        acts, the keys come up."""
        held = [{"type": "keyDown", "value": k} for k in keys]
        pause = [{"type": "pause"}] * len(held)
        actions = [{"type": "pointer", "id": pointer_type,
                    "parameters": {"pointerType": pointer_type},
                    "actions": pause + pointer + pause}]
        if held:
            actions.append({"type": "key", "id": "keys",
                            "actions": held + [{"type": "pause"}] * len(pointer) +
                            [{"type": "keyUp", "value": k} for k in keys]})
        self.send("input.performActions", context=self.context, actions=actions)

    def pointer(self, steps, modifiers=0):
        actions = []
        for kind, x, y, button in steps:
            actions.append({"type": "pointerMove", "x": round(x), "y": round(y)})
            if kind != "move":
                actions.append({"type": "pointerDown" if kind == "down" else "pointerUp",
                                "button": BUTTONS[button]})
        self.perform(actions, [code for bit, code, _ in MODIFIERS if modifiers & bit])

    def touch(self, x, y, hold):
        self.perform([{"type": "pointerMove", "x": round(x), "y": round(y)},
                      {"type": "pointerDown", "button": 0},
                      {"type": "pause", "duration": round(hold * 1000)},
                      {"type": "pointerUp", "button": 0}], pointer_type="touch")

    def key(self, key, modifiers=0, repeats=0):
        value = KEYS[key][3] if key in KEYS else key
        held = [code for bit, code, _ in MODIFIERS if modifiers & bit]
        actions = ([{"type": "keyDown", "value": k} for k in held] +
                   [{"type": "keyDown", "value": value}] * (1 + repeats) +
                   [{"type": "keyUp", "value": value}] +
                   [{"type": "keyUp", "value": k} for k in reversed(held)])
        self.send("input.performActions", context=self.context,
                  actions=[{"type": "key", "id": "keys", "actions": actions}])

    def screenshot(self):
        data = self.send("browsingContext.captureScreenshot", context=self.context)["data"]
        return base64.b64decode(data)

    def logs(self, origin):
        self.send("session.status")  # what happened so far has come in before its answer
        levels = {"error": "SEVERE", "warn": "WARNING"}
        console = [(levels.get(e["params"]["level"], "INFO"), e["params"].get("text"))
                   for e in self.events if e["method"] == "log.entryAdded"]
        requested = [e["params"]["request"]["url"] for e in self.events
                     if e["method"] == "network.beforeRequestSent"]
        self.events = []
        return console, foreign(requested, origin)

    def viewport(self, width=None, height=None, scale=1, mobile=False):
        width, height = (width, height) if width else self.size
        self.shown = (width, height, scale, mobile)
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=scale)

    def accessible(self, element_id):
        raise NotImplementedError("no computed role and label over BiDi")

