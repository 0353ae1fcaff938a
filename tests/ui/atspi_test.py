# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""The game as a screen reader sees it, over AT-SPI, with no pointer.

Run inside a private session bus on an X server, e.g.
    xvfb-run -a dbus-run-session -- /usr/bin/python3 atspi_test.py PATH_TO_TORVANE
The session bus starts at-spi2-core's accessibility bus when it is first
asked for it. Each game runs with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, so Qt's
bridge serves the tree without a screen reader's say-so, and is ended when
its checks are done, whatever happened.
"""
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
gi.require_version("Gio", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

TORVANE = sys.argv[1]
APP_WAIT = 20.0  # seconds for the game to appear on the accessibility bus
CHANGE_WAIT = 5.0  # seconds for a change to show
checks = 0
failures = 0


def check(name, ok, detail=""):
    global checks, failures
    checks += 1
    if ok:
        print(f"ok: {name}")
    else:
        failures += 1
        print(f"FAIL: {name}{': ' + str(detail) if detail else ''}")
    return ok


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(condition, seconds=CHANGE_WAIT):
    """Polls condition(), letting events in, until it is truthy or time runs out."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


class Events:
    """Records property-change events by the object's name at the time."""

    def __init__(self):
        self.seen = []
        self.listener = Atspi.EventListener.new(self._record)
        self.listener.register("object:property-change")

    def _record(self, event):
        try:
            self.seen.append((event.type, event.source.get_role_name(), event.source.get_name()))
        except GLib.Error:
            pass

    def take(self, kind, pattern):
        pump()
        found = [e for e in self.seen if e[0].endswith(kind) and re.fullmatch(pattern, e[2] or "")]
        self.seen.clear()
        return found


def children(node):
    out = []
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            out.append(child)
    return out


def find_all(node, role=None, name=None, depth=0):
    found = []
    if (role is None or node.get_role_name() == role) and (
        name is None or re.fullmatch(name, node.get_name() or "")
    ):
        found.append(node)
    if depth < 8:
        for child in children(node):
            found += find_all(child, role, name, depth + 1)
    return found


def find(node, role=None, name=None):
    found = find_all(node, role, name)
    return found[0] if found else None


def menu_item(menu_bar, title, caption):
    return find(find(find(menu_bar, "menu item", title), "popup menu"), "menu item", caption)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def action_index(node, action):
    for i in range(node.get_n_actions()):
        if node.get_action_name(i) == action:
            return i
    return -1


def act(node, action):
    """Invokes an action; returns how long the call took, or None if it is missing."""
    index = action_index(node, action)
    if index < 0:
        return None
    start = time.monotonic()
    node.do_action(index)
    return time.monotonic() - start


def act_blocking(node, action):
    """A menu item whose handler opens a modal window answers only when the
    window closes: invoke it, and stop waiting for the answer after a second."""
    Atspi.set_timeout(1000, -1)
    try:
        act(node, action)
    except GLib.Error:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def text_of(node):
    return node.get_text(0, -1)


class Game:
    def __init__(self, *args):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([TORVANE, *args], env=env)
        self.app = wait_for(self._find_app, APP_WAIT)

    def _find_app(self):
        if self.process.poll() is not None:
            raise SystemExit(f"FAIL: the game ended with status {self.process.returncode}")
        for node in children(Atspi.get_desktop(0)):
            if node.get_name() == "Torvane" and node.get_process_id() == self.process.pid:
                return node
        return None

    def window(self, role, name=None):
        for top in children(self.app):
            if top.get_role_name() == role and showing(top):
                if name is None or re.fullmatch(name, top.get_name() or ""):
                    return top
        return None

    def end(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def __enter__(self):
        if self.app is None:
            self.end()
            raise SystemExit(f"FAIL: the game did not appear on the accessibility bus in {APP_WAIT} s")
        return self

    def __exit__(self, *exc):
        self.end()


def set_screen_reader(enabled):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", enabled))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


def focusable(node):
    return node.get_state_set().contains(Atspi.StateType.FOCUSABLE)


def play_a_game():
    events = Events()
    with Game() as game:
        main = wait_for(lambda: game.window("frame"))
        boxes = {c: find(main, "push button", f"{c} column stake: .*") for c in ("Left", "Middle", "Right")}
        bank = find(main, "text", "Money in the bank")
        check("the three bet boxes are there, named for their column and stake",
              all(b is not None and b.get_name().endswith(": 0") for b in boxes.values()), boxes)
        check("the bet boxes do not take the focus outside keyboard mode",
              not any(focusable(b) for b in boxes.values()))
        left = boxes["Left"]
        check("a bet box has the actions Place bet and Take back bet",
              [left.get_action_name(i) for i in range(2)] == ["Place bet", "Take back bet"])
        check("each action is described", all(left.get_action_description(i) for i in range(2)))

        took = act(left, "Place bet")
        check("Place bet answers at once", took is not None and took < 1.0, took)
        check("Place bet places one increment",
              wait_for(lambda: left.get_name() == "Left column stake: 25" and text_of(bank) == "975"),
              (left.get_name(), text_of(bank)))
        check("the change of stake is announced", events.take("accessible-name", "Left column stake: 25"))
        act(left, "Take back bet")
        check("Take back bet takes it back",
              wait_for(lambda: left.get_name() == "Left column stake: 0" and text_of(bank) == "1000"))

        act(left, "Take back bet")  # nothing to take back: a message box
        box = wait_for(lambda: game.window("dialog", "No Bets Left") or game.window("alert", "No Bets Left"))
        check("a refusal shows its message box", box is not None)
        if box is not None:
            check("the message is readable", find(box, None, "You have no more bets to deposit in bank.") is not None)
            act(boxes["Middle"], "Place bet")
            time.sleep(0.3)
            check("a bet box's action does nothing while the message box is open",
                  boxes["Middle"].get_name() == "Middle column stake: 0")
            act(find(box, "push button", "OK"), "Press")
            check("the message box closes by its OK button", wait_for(lambda: not showing(box)))

        lines = [find(main, "label", n) for n in ("Zero", "Left column", "Middle column", "Right column")]
        check("the four chart lines are named", all(lines))
        check("before the first redraw no spins are counted",
              all(line.get_description() == "No spins counted yet" for line in lines))
        spin = find(main, "push button", "SPIN")
        history = find(main, "list", "Spin history")
        act(spin, "Press")  # one press at a time: Qt animates a button's press
        check("the first press of the window draws nothing",
              wait_for(lambda: history.get_child_count() == 1)
              and all(line.get_description() == "No spins counted yet" for line in lines))
        act(spin, "Press")
        wait_for(lambda: history.get_child_count() == 2)
        readings = [re.fullmatch(r"(\d+) of 2 presses, (\d+)%", line.get_description() or "") for line in lines]
        check("after two presses each line says what it is drawn from", all(readings),
              [line.get_description() for line in lines])
        check("the readings count both spins", all(readings) and sum(int(r.group(1)) for r in readings) == 2)
        check("the redraw is announced",
              len(events.take("accessible-description", r"Zero|\w+ column")) == 4)
        drawn = find_all(main, "label", r"\d+")
        lit = [c for c in drawn if "drawn by the last spin" in (c.get_description() or "")]
        last = children(history)[-1].get_name() if history.get_child_count() else ""
        check("the history and the lit number read alike",
              len(lit) == 1 and last.endswith("   " + lit[0].get_name()), (last, [c.get_name() for c in lit]))
        check("the winnings are readable", find(main, "label", r"R\d+") is not None)
        increment = find(main, "text", "Bet increment")
        check("the increment is readable", text_of(increment) == "25")

        right = boxes["Right"]
        bank.set_text_contents("500")
        increment.set_text_contents("50")
        check("the bank and the increment can be typed",
              wait_for(lambda: text_of(bank) == "500" and text_of(increment) == "50"),
              (text_of(bank), text_of(increment)))
        act(right, "Place bet")
        check("a bet uses the typed bank and increment",
              wait_for(lambda: right.get_name() == "Right column stake: 50" and text_of(bank) == "450"),
              (right.get_name(), text_of(bank)))
        act(find(main, "push button", "Transfer winnings to bank"), "Press")
        refusal = wait_for(lambda: game.window("dialog", "Tranfer Violation")
                           or game.window("alert", "Tranfer Violation"))
        check("a transfer with nothing won says so",
              refusal is not None and find(refusal, None, "There is no winnings to transfer.") is not None)
        if refusal is not None:
            act(find(refusal, "push button", "OK"), "Press")
            wait_for(lambda: not showing(refusal))
        act(find(main, "push button", "New Game"), "Press")
        check("New Game restores the bank, the increment and the stakes",
              wait_for(lambda: text_of(bank) == "1000" and text_of(increment) == "25"
                       and right.get_name() == "Right column stake: 0"),
              (text_of(bank), text_of(increment), right.get_name()))

        menus = find(main, "menu bar")
        act_blocking(menu_item(menus, "Help", "Help"), "Press")
        help_window = wait_for(lambda: game.window("dialog"))
        panel = help_window and find(help_window, "label", r"\s+HOW TO PLAY TORVANE\.[\s\S]*")
        check("the help text is there in full, with plain line breaks",
              panel is not None and panel.get_name().endswith("(Transfer winnings to bank).")
              and panel.get_name().count("\n") == 8 and "\r" not in panel.get_name())
        if panel is not None:
            act(panel, "Close")
            check("the help closes by its action", wait_for(lambda: not showing(help_window)))

        act_blocking(menu_item(menus, "Help", "About"), "Press")
        about = wait_for(lambda: game.window("dialog"))
        check("the About window reads its version", about is not None and find(about, "label", "Version 1.0.18") is not None)
        if about is not None:
            act(find(about, "push button", "OK"), "Press")
            check("the About window closes by OK", wait_for(lambda: not showing(about)))

        act_blocking(menu_item(menus, "File", "Exit"), "Press")
        try:
            status = game.process.wait(CHANGE_WAIT)
        except subprocess.TimeoutExpired:
            status = None
        check("File > Exit ends the game with status 0", status == 0, status)


def keyboard_mode_comes_on(name, screen_reader, *args):
    set_screen_reader(screen_reader)
    try:
        with Game(*args) as game:
            main = wait_for(lambda: game.window("frame"))
            box = find(main, "push button", "Left column stake: .*")
            check(name, wait_for(lambda: focusable(box)))
    finally:
        set_screen_reader(False)


play_a_game()
keyboard_mode_comes_on("--keyboard lets the bet boxes take the focus", False, "--keyboard")
keyboard_mode_comes_on("a running screen reader turns keyboard mode on", True)
print(f"{checks - failures} passed, {failures} failed")
sys.exit(1 if failures else 0)
