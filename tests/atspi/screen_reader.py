# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays the built game through the accessibility bus, as a screen reader user does.

Runs on a private session bus (dbus-run-session) and X server. Turns the bus's screen-reader flag
on, as Orca does, starts the game, and from then on works only through AT-SPI: answers the
start-up input boxes through their text fields and "OK" buttons, plays a two-player game to a win
with the cells' "Press" actions, reads the message boxes and the cells' descriptions, tries to
overwrite a score box, and ends the game with "Exit". Every wait is bounded.
Usage: screen_reader.py GORVANE
"""
import os
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

STEP_SECONDS = 10
# Deprecated in favour of atspi_action_get_name, which the Python bindings do not offer.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name is deprecated")


class Failure(Exception):
    pass


problems = []


def step(text):
    print(f"screen reader test: {text}", flush=True)


def expect(ok, what):
    step(("ok: " if ok else "FAILED: ") + what)
    if not ok:
        problems.append(what)


def announce_screen_reader():
    """Sets the flag that a screen reader sets; toolkits turn their bridges on when they see it."""
    on = GLib.Variant("b", True)
    flag = GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", on))
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set", flag, None,
        Gio.DBusCallFlags.NONE, STEP_SECONDS * 1000, None)


def children(node):
    return [child for child in (node.get_child_at_index(i) for i in range(node.get_child_count()))
            if child is not None]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find(root, name, role=None):
    found = next((node for node in descendants(root)
                  if node.get_name() == name and role in (None, node.get_role())), None)
    if found is None:
        raise Failure(f'no "{name}" in "{root.get_name()}"')
    return found


def actions(node):
    return [Atspi.Action.get_action_name(node, i) for i in range(Atspi.Action.get_n_actions(node))]


def press(node):
    """Runs the node's "Press" action, as a screen reader's activate command does."""
    if "Press" not in actions(node):
        raise Failure(f'"{node.get_name()}" offers no "Press" action, only {actions(node)}')
    Atspi.Action.do_action(node, actions(node).index("Press"))


class ScreenReader:
    def __init__(self, game):
        self.game = game
        self.app = None

    def wait_for(self, what, probe):
        """Polls probe until it returns something true; nodes may vanish while a dialog closes."""
        deadline = time.monotonic() + STEP_SECONDS
        while time.monotonic() < deadline:
            if self.game.poll() is not None:
                raise Failure(f"the game ended ({self.game.returncode}) while waiting for {what}")
            try:
                found = probe()
            except GLib.Error:
                found = None
            if found:
                return found
            time.sleep(0.1)
        raise Failure(f"waited {STEP_SECONDS} s for {what}")

    def open_window(self, roles, name=None):
        return next((window for window in children(self.app) if window.get_role() in roles
                     and name in (None, window.get_name()) and showing(window)), None)

    def close(self, box):
        press(find(box, "OK", Atspi.Role.PUSH_BUTTON))
        self.wait_for(f'"{box.get_name()}" to close', lambda: box not in children(self.app))

    def answer(self, title, text):
        box = self.wait_for(f'the input box "{title}"',
                            lambda: self.open_window([Atspi.Role.DIALOG], title))
        field = next(node for node in descendants(box) if "EditableText" in node.get_interfaces())
        Atspi.EditableText.set_text_contents(field, text)
        step(f'answered "{text}" to "{title}" and pressed "OK"')
        self.close(box)

    def message_box(self):
        return self.open_window([Atspi.Role.ALERT])  # what a screen reader announces at once

    def read_message(self, expected):
        box = self.wait_for("a message box", self.message_box)
        labels = [node.get_name() for node in descendants(box)
                  if node.get_role() == Atspi.Role.LABEL and showing(node)]
        expect(labels == [expected], f'the message box ({box.get_role_name()}) reads {labels}')
        self.close(box)

    def play(self, window):
        cells = [find(window, f"Cell {i}") for i in range(10)]
        # Each press and what follows it: the cell's new description, or a message box.
        for cell, description, message in [(1, "X", None), (0, "O", None),
                                           (1, None, "Sorry, already selected."),
                                           (5, "X", None), (3, "O", None),
                                           (9, None, "X has won by diagonal  1")]:
            step(f"pressing cell {cell}")
            press(cells[cell])
            if message:
                self.read_message(message)
            else:
                self.wait_for(f'cell {cell} to read "{description}"',
                              lambda: cells[cell].get_description() == description)
                step(f'cell {cell} reads "{description}"')
        read = [cell.get_description() for cell in cells]
        step(f"the cells' descriptions after the win: {read}")
        for cell in (1, 5, 9):
            expect("X" in read[cell] and "winning" in read[cell], f"cell {cell} is a winning X")
        expect(read[0] == "O" and read[3] == "O", "cells 0 and 3 read O")
        expect(read[2] == "empty", "cell 2 reads empty")
        for cell in (1, 2):
            offered = "Press" in actions(cells[cell])
            if offered:
                press(cells[cell])
                time.sleep(0.5)  # the proof is an absence: give a reaction the time to show
            unchanged = self.message_box() is None and cells[cell].get_description() == read[cell]
            how = "pressed" if offered else "offers no Press action and"
            expect(unchanged, f"locked cell {cell} {how} changes nothing")

    def check_score_box(self, window):
        box = find(window, "Wins by X", Atspi.Role.TEXT)
        before = Atspi.Text.get_text(box, 0, -1)
        expect(before == " 1", f'"Wins by X" reads "{before}"')
        for attempt in (lambda: Atspi.EditableText.set_text_contents(box, "99"),
                        lambda: Atspi.EditableText.insert_text(box, 0, "9", 1)):
            try:
                attempt()
            except GLib.Error:
                pass  # refusing the call outright is as good as ignoring it
        after = Atspi.Text.get_text(box, 0, -1)
        expect(after == before, f'"Wins by X" ignores writes through AT-SPI ("{after}")')

    def run(self):
        self.app = self.wait_for("the game on the accessibility bus", lambda: next(
            (app for app in children(Atspi.get_desktop(0))
             if app.get_process_id() == self.game.pid), None))
        # Descriptions change while the test reads them: always ask the game, never a cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        step(f'found the application "{self.app.get_name()}"')
        self.answer("Player Number", "2")
        self.answer("gorvane", "X")
        window = self.wait_for("the game window", lambda: next(
            (w for w in children(self.app) if w.get_name() == "Gorvane" and showing(w)), None))
        expect(window.get_role() == Atspi.Role.FRAME,
                    f'the window "Gorvane" is a frame ({window.get_role_name()})')
        self.play(window)
        self.check_score_box(window)
        step('pressed "Exit"')
        press(find(window, "Exit", Atspi.Role.PUSH_BUTTON))
        status = self.game.wait(STEP_SECONDS)
        expect(status == 0, f"the game ended with status {status}")


def main(gorvane):
    announce_screen_reader()
    log = tempfile.TemporaryFile()
    game = subprocess.Popen([gorvane], stderr=log, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        ScreenReader(game).run()
    except (Failure, subprocess.TimeoutExpired) as error:
        expect(False, str(error))
    finally:
        if game.poll() is None:
            game.kill()
        game.wait()
        log.seek(0)
        sys.stderr.write(log.read().decode(errors="replace"))
    if problems:
        step(f"{len(problems)} failed: " + "; ".join(problems))
        return 1
    step("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
