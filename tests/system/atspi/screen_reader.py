# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays the built game through the accessibility bus, as a screen reader user does.

Runs on a private session bus (dbus-run-session) and X server. Turns the bus's accessibility flag
on, as assistive tools do, starts the game, and from then on works only through AT-SPI: answers the
start-up input boxes through their text fields and "OK" buttons, plays a two-player game to a win
with the cells' "Press" actions, reads the message boxes and the cells' texts and descriptions,
tries to overwrite a score box, and ends the game with "Exit". Every wait is bounded. Then abuses
a second run with thousands of random actions on every object of the window and its dialogs.
Usage: screen_reader.py GORVANE
"""
import os
import random
import subprocess
import sys
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Far beyond what the game and the accessibility bus take on a machine busy with other work.
STEP_SECONDS = 60
ABUSE_ACTIONS = int(os.environ.get("GORVANE_ABUSE_ACTIONS", "2500"))
LINES = [(0, 1, 2), (3, 4, 5), (6, 7, 8), (7, 8, 9), (0, 3, 6), (1, 4, 7), (2, 5, 8), (0, 4, 8),
         (2, 4, 6), (1, 5, 9)]
BOXES = ["Wins by X", "Wins by O", "Games Tied", "Game #"]
REFUSAL = ["sorry, your choices are X or O"]  # the answer to "Play Again?"'s question may be wrong
# Deprecated in favour of atspi_action_get_name, which the Python bindings do not offer.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name is deprecated")
# Deprecated for get_string_at_offset, but what Orca and other tools still ask.
warnings.filterwarnings("ignore", "Atspi.Text.get_text_.*_offset is deprecated")


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
    """Sets the flag that toolkits turn their bridges on for. IsEnabled, which every at-spi2-core
    has: ScreenReaderEnabled, which Orca also sets, is gone from at-spi2-core 2.62 on. AT-SPI
    calls wait as long as a step, not the library's default 0.8 s."""
    Atspi.set_timeout(STEP_SECONDS * 1000, STEP_SECONDS * 1000)
    on = GLib.Variant("b", True)
    flag = GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", on))
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

    def attach(self):
        """Finds the game on the bus; its descriptions change while read, so nothing is cached."""
        self.app = self.wait_for("the game on the accessibility bus", lambda: next(
            (app for app in children(Atspi.get_desktop(0))
             if app.get_process_id() == self.game.pid), None))
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def window(self):
        return self.wait_for("the game window", lambda: self.open_window([Atspi.Role.FRAME], "Gorvane"))

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
        # Each press and what follows it: the cell's new mark, or a message box.
        for cell, mark, message in [(1, "X", None), (0, "O", None),
                                    (1, None, "Sorry, already selected."),
                                    (5, "X", None), (3, "O", None),
                                    (9, None, "X has won by diagonal  1")]:
            step(f"pressing cell {cell}")
            press(cells[cell])
            if message:
                self.read_message(message)
            else:
                self.wait_for(f'cell {cell} to read "{mark}"',
                              lambda: Atspi.Text.get_text(cells[cell], 0, -1) == mark)
                step(f'cell {cell} reads "{mark}"')
        read = [(Atspi.Text.get_text(cell, 0, -1), cell.get_description()) for cell in cells]
        step(f"the cells' texts and descriptions after the win: {read}")
        for cell in (1, 5, 9):
            expect(read[cell] == ("X", "winning line"), f"cell {cell} is a winning X")
        expect(read[0] == read[3] == ("O", ""), "cells 0 and 3 read O, and nothing more")
        expect(read[2] == ("", "empty"), "cell 2 reads empty")
        for cell in (1, 2):
            offered = "Press" in actions(cells[cell])
            if offered:
                press(cells[cell])
                # The game takes the bus's calls in the order they come, after the click that the
                # press queued: once it has answered a later call, any reaction to it shows.
                self.wait_for(f"the game to take the press of cell {cell}",
                              lambda: cells[cell].get_description() is not None)
            unchanged = self.message_box() is None and cells[cell].get_description() == read[cell][1]
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
        self.attach()
        step(f'found the application "{self.app.get_name()}"')
        self.answer("Player Number", "2")
        self.answer("gorvane", "X")
        window = self.window()
        self.play(window)
        self.check_score_box(window)
        step('pressed "Exit"')
        press(find(window, "Exit", Atspi.Role.PUSH_BUTTON))
        status = self.game.wait(STEP_SECONDS)
        expect(status == 0, f"the game ended with status {status}")


class Abuser(ScreenReader):
    """Random presses, answers, writes, focus moves and text queries on every object of the window
    and its dialogs. Each call is answered within a second; the board, the score boxes and the
    game number follow a model of the two-player game after every action."""

    def call(self, what, function, *args):
        started = time.monotonic()
        try:
            return function(*args)
        except GLib.Error as error:
            if "imeout" in str(error) or "NoReply" in str(error):
                raise Failure(f"no answer to {what}: {error}") from error
            return None  # an object that closed meanwhile, or a refused write
        finally:
            if time.monotonic() - started > 1:
                raise Failure(f"{what} took {time.monotonic() - started:.1f} s")

    def move(self, cell):
        """Plays a cell in the model; returns the start of each message the click may show."""
        mark = self.mark
        if self.locked or self.board[cell]:
            return [] if self.locked else ["Sorry, already selected."]
        self.board[cell], self.moves, self.mark = mark, self.moves + 1, "XO"[mark == "X"]
        won = any(all(self.board[c] == mark for c in line) for line in LINES)
        if not won and self.moves < 10:
            return []
        i = "XO".index(mark)
        self.counts[i if won else 2] += 1
        for box in {i, i if won else 2}:  # a tie records the last mover's wins too
            self.shown[box] = f" {self.counts[box]}"
        self.locked, self.moves = True, 0
        return [f"{mark} has won by" if won else "The game is a tie."]

    def expected(self):
        won = {c for line in LINES for c in line
               if self.board[line[0]] and all(self.board[c] == self.board[line[0]] for c in line)}
        return (self.board, ["winning line" if i in won else "" if mark else "empty"
                             for i, mark in enumerate(self.board)], self.shown)

    def seen(self):
        return ([self.call("a text", Atspi.Text.get_text, c, 0, -1) for c in self.cells],
                [self.call("a description", c.get_description) for c in self.cells],
                [self.call("a score", Atspi.Text.get_text, b, 0, -1) for b in self.boxes])

    def settle(self):
        """Waits until a dialog opens or the window shows the model; checks a message's text."""
        opens, self.opens = self.opens, False
        box = self.wait_for(f"the window to show {self.expected()}", lambda: self.dialog() or (
            not opens and self.seen() == self.expected() and "idle"))
        if box != "idle" and box.get_role() == Atspi.Role.ALERT:
            text = " ".join(n.get_name() for n in descendants(box)
                            if n.get_role() == Atspi.Role.LABEL and n.get_name())
            if not any(text.startswith(m) for m in self.messages):
                raise Failure(f'an unexpected message "{text}", expected {self.messages}')

    def dialog(self):
        return self.open_window([Atspi.Role.DIALOG, Atspi.Role.ALERT])

    def act(self, rng, node, box):
        kind, name = rng.random(), node.get_name()
        if kind < 0.4 and node in self.cells + self.buttons:
            if box is not None or name == "Exit":
                return  # it would run once the dialog has closed, which the window tests check
            if node in self.cells:
                self.messages = self.move(self.cells.index(node)) + REFUSAL
                self.opens = len(self.messages) > 1
            elif name == "Play Again?":
                self.board, self.moves, self.locked, self.number = [""] * 10, 0, False, self.number + 1
                self.shown[3], self.messages, self.opens = str(self.number), REFUSAL, True
            elif name == "Reset all":
                self.board, self.shown = [""] * 10, ["0"] * 4
            if "Press" in actions(node):  # a locked cell offers none
                self.call("a press", press, node)
            time.sleep(0.15 if node in self.buttons else 0)  # Qt's press on a button waits 0.1 s
        elif kind < 0.5 and box is not None:
            field = next((n for n in descendants(box) if "EditableText" in n.get_interfaces()), None)
            answer = rng.choice(["X", "O", "x", "", "q"])
            buttons = [n for n in descendants(box) if n.get_role() == Atspi.Role.PUSH_BUTTON]
            if not buttons:
                return  # closing
            button = rng.choice(buttons)
            if field is not None:
                self.call("an answer", Atspi.EditableText.set_text_contents, field, answer)
                # Only the first ask, titled, upper-cases the answer.
                answer = answer.upper() if box.get_name() == "gorvane" else answer
                if button.get_name() == "OK" and answer in ("X", "O"):
                    self.mark = answer
            self.call("a dialog's button", press, button)
            self.wait_for("the dialog to close", lambda: box not in children(self.app))
        elif kind < 0.55:
            self.call("a focus", Atspi.Component.grab_focus, node)
        elif kind < 0.6:
            self.call("a write", Atspi.EditableText.set_text_contents, node, rng.choice(["9", ""]))
        elif "Text" in node.get_interfaces():
            text = self.call("a text", Atspi.Text.get_text, node, 0, -1) or ""
            offset = rng.randint(-1, len(text) + 1)
            if self.call("a reversed range", Atspi.Text.get_text, node, 1, 0):
                raise Failure(f'the text of "{text}" from 1 to 0 is not empty')
            query = rng.choice([Atspi.Text.get_text_at_offset, Atspi.Text.get_text_before_offset,
                                Atspi.Text.get_text_after_offset])
            piece = self.call("a text query", query, node, offset,
                              Atspi.TextBoundaryType(rng.randint(0, 6)))
            if piece and piece.start_offset >= 0 and \
                    piece.content != text[piece.start_offset:piece.end_offset]:
                raise Failure(f'"{piece.content}" is not "{text}" from {piece.start_offset}')
            self.call("a word", Atspi.Text.get_string_at_offset, node, offset,
                      Atspi.TextGranularity(rng.randint(0, 4)))

    def run(self):
        self.attach()
        self.answer("Player Number", "2")
        self.answer("gorvane", "X")
        window = self.window()
        self.cells = [find(window, f"Cell {i}") for i in range(10)]
        self.boxes = [find(window, name, Atspi.Role.TEXT) for name in BOXES]
        self.buttons = [find(window, n, Atspi.Role.PUSH_BUTTON)
                        for n in ("Play Again?", "Reset all", "Exit")]
        self.board, self.mark, self.moves, self.locked, self.number = [""] * 10, "X", 0, False, 1
        self.counts, self.shown, self.messages, self.opens = [0] * 3, ["0"] * 3 + ["1"], [], False
        rng = random.Random(int(os.environ.get("GORVANE_ABUSE_SEED", "20")))
        started = time.monotonic()
        for _ in range(ABUSE_ACTIONS):
            try:
                box = self.dialog()
                nodes = list(descendants(window)) + (list(descendants(box)) if box else [])
                self.act(rng, rng.choice(nodes), box)
                self.settle()
            except GLib.Error as error:  # a dialog closed while being looked at
                if "imeout" in str(error) or "NoReply" in str(error):
                    raise Failure(f"no answer: {error}") from error
        step(f"abuse: {ABUSE_ACTIONS} random actions in {time.monotonic() - started:.0f} s")
        expect(self.game.poll() is None, "the game survived every action")


def main(gorvane):
    announce_screen_reader()
    log = tempfile.TemporaryFile()
    game = subprocess.Popen([gorvane], stderr=log, env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    abused = subprocess.Popen([gorvane], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        ScreenReader(game).run()
        Abuser(abused).run()
    except (Failure, subprocess.TimeoutExpired) as error:
        expect(False, str(error))
    finally:
        for started in (game, abused):
            if started.poll() is None:
                started.kill()
            started.wait()
        log.seek(0)
        sys.stderr.write(log.read().decode(errors="replace"))
    if problems:
        step(f"{len(problems)} failed: " + "; ".join(problems))
        return 1
    step("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
