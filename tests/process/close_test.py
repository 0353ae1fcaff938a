#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Every way to close the real game, on a real X display (run under xvfb-run):
SIGTERM and SIGINT, and the desktop's close request (WM_DELETE_WINDOW, sent as
a window manager sends it). Each run must end with status 0, leave no process
behind and print nothing on stderr beyond Qt's own platform notes. While a
message box is open, a close request for the main window is ignored and play
goes on. The window's X11 class is the one the desktop entry names.
   close_test.py PATH_TO_TORVANE DESKTOP_ENTRY"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

TORVANE = sys.argv[1]
DESKTOP_ENTRY = sys.argv[2]
TIMEOUT = 30.0  # seconds; generous for sanitizer builds
RUNTIME_DIR = tempfile.mkdtemp(prefix="torvane-runtime-")  # mode 0700, as Qt wants it
failures = []


def check(name, ok, detail=""):
    print(("ok: " if ok else "FAIL: ") + name + ("" if ok else f" ({detail})"))
    if not ok:
        failures.append(name)


def top_windows(d):
    """The mapped top-level windows, with their titles."""
    found = []
    for w in d.screen().root.query_tree().children:
        try:
            if w.get_attributes().map_state != X.IsViewable:
                continue
            name = w.get_wm_name() or ""
            if isinstance(name, bytes):
                name = name.decode(errors="replace")
            found.append((w, name))
        except Exception:  # the window went away while we looked
            continue
    return found


def wait_for(what, predicate):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        result = predicate()
        if result:
            return result
        time.sleep(0.05)
    raise TimeoutError(what)


class Game:
    def __init__(self, d):
        self.d = d
        self.stderr = tempfile.TemporaryFile()
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=RUNTIME_DIR)
        self.proc = subprocess.Popen([TORVANE], stdout=subprocess.DEVNULL, stderr=self.stderr, env=env)
        self.main = wait_for("the main window", lambda: self.find("Diduvor 3/1"))

    def find(self, title_part):
        for w, name in top_windows(self.d):
            if title_part in name:
                return w
        return None

    def keys(self, *names, window=None):
        (window or self.main).set_input_focus(X.RevertToParent, X.CurrentTime)
        self.d.sync()
        time.sleep(0.2)
        for name in names:
            code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
            xtest.fake_input(self.d, X.KeyPress, code)
            xtest.fake_input(self.d, X.KeyRelease, code)
            self.d.sync()
            time.sleep(0.05)

    def close_request(self, window):
        protocols = self.d.intern_atom("WM_PROTOCOLS")
        delete = self.d.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.d.flush()

    def end(self):
        """Waits for the exit; returns (status, stderr lines that are not Qt's platform notes)."""
        try:
            status = self.proc.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            status = "still running"
        self.stderr.seek(0)
        lines = self.stderr.read().decode(errors="replace").splitlines()
        ours = [l for l in lines if l.strip() and not l.startswith("qt.qpa.")]
        return status, ours

    def left_behind(self):
        try:
            os.kill(self.proc.pid, 0)
            return True
        except ProcessLookupError:
            return False


def expect_clean_end(name, game):
    status, stderr = game.end()
    check(f"{name}: status 0", status == 0, f"status {status}")
    check(f"{name}: nothing on stderr", not stderr, " | ".join(stderr[:5]))
    check(f"{name}: no process left", not game.left_behind())


def main():
    d = display.Display()

    for sig in (signal.SIGTERM, signal.SIGINT):
        game = Game(d)
        game.proc.send_signal(sig)
        expect_clean_end(f"{sig.name} with the main window only", game)

    game = Game(d)
    wm_class = game.main.get_wm_class()
    with open(DESKTOP_ENTRY) as entry:
        startup = [l.split("=", 1)[1].strip() for l in entry if l.startswith("StartupWMClass=")]
    check("the window's X11 class is the desktop entry's StartupWMClass",
          wm_class is not None and startup == [wm_class[1]], f"{wm_class} against {startup}")
    game.close_request(game.main)
    expect_clean_end("close request with the main window only", game)

    # Tab four times from SPIN reaches the transfer button; with nothing won,
    # Space on it opens "Tranfer Violation".
    game = Game(d)
    game.keys("Tab", "Tab", "Tab", "Tab", "space")
    box = None
    try:
        box = wait_for("the message box", lambda: game.find("Tranfer Violation"))
    except TimeoutError:
        pass
    check("the refusal opens its message box", box is not None)
    game.close_request(game.main)
    time.sleep(1.0)
    check("a close request behind a message box is ignored",
          game.proc.poll() is None and game.find("Tranfer Violation") is not None)
    game.keys("Return", window=box)  # OK on the box: play goes on
    wait_for("the box to close", lambda: game.find("Tranfer Violation") is None)
    check("play goes on after the box", game.proc.poll() is None and game.find("Diduvor") is not None)
    game.proc.send_signal(signal.SIGTERM)
    expect_clean_end("SIGTERM after the ignored close request", game)

    # A message box open when the signal comes.
    game = Game(d)
    game.keys("Tab", "Tab", "Tab", "Tab", "space")
    wait_for("the message box", lambda: game.find("Tranfer Violation"))
    game.proc.send_signal(signal.SIGTERM)
    expect_clean_end("SIGTERM with a message box open", game)

    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    finally:
        shutil.rmtree(RUNTIME_DIR, ignore_errors=True)
