# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays the built game from the keyboard while Orca runs, and checks what Orca says.

Orca has no synthesiser here; its debug log records every utterance as "SPEECH OUTPUT:". Two
runs of the game: one player, where the computer's reply and its opening move are spoken, a cell
is announced on its first visit, and "Play Again?" leaves the focus on the board; and two players
to a win, where the winning cells follow the win message. The board is read through AT-SPI.
Usage: orca.py GORVANE WORK
"""
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

WAIT_SECONDS = 20


class Orca:
    def __init__(self, work):
        self.log_path = os.path.join(work, "orca.log")
        prefs = os.path.join(work, "orca-prefs")
        os.mkdir(prefs)
        # Orca runs this from its settings folder at start-up: its log, written through a buffer
        # otherwise, then shows each line as it is said.
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as customizations:
            customizations.write("import orca.debug\n"
                                 "orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        self.process = subprocess.Popen(
            ["orca", "-u", prefs, "--debug-file", self.log_path],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.read = 0
        self.hear("Screen reader on.")

    def spoken(self):
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{", log.read())

    def hear(self, *expected):
        """Waits until Orca has said these, in this order, after what hear() found last."""
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            said = self.spoken()
            at = self.read
            for phrase in expected:
                at = next((i + 1 for i in range(at, len(said)) if said[i] == phrase), None)
                if at is None:
                    break
            if at is not None:
                print(f"orca test: heard {list(expected)}", flush=True)
                self.read = at
                return
            time.sleep(0.2)
        raise AssertionError(f"Orca did not say {list(expected)}; it said {said[self.read:]}")

    def stop(self):
        self.process.terminate()  # ignored while Orca is idle
        try:
            self.process.wait(2)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.3)


def answer(orca, title, prompt, text):
    orca.hear(f"{title} dialog.", f"{prompt} text.")
    keys("ctrl+a")
    subprocess.run(["xdotool", "type", text], check=True)
    keys("Return")


def cells(game):
    app = next(app for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == game.pid)
    window = next(window for window in app if window.name == "Gorvane")
    return [pyatspi.findDescendant(window, lambda node, i=i: node.name == f"Cell {i}")
            for i in range(10)]


def start_game(gorvane, orca, players):
    game = subprocess.Popen([gorvane], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    answer(orca, "Player Number", "Select number of players.", players)
    answer(orca, "gorvane", "who goes first X or O?", "X")
    orca.hear("Gorvane frame.", "Cell 0 text.", "empty.")
    return game


def one_player(gorvane, orca):
    game = start_game(gorvane, orca, "1")
    keys("Tab")
    orca.hear("Cell 1 text.", "empty.")  # its first visit
    keys("Return")
    board = cells(game)
    deadline = time.monotonic() + WAIT_SECONDS
    while "O" not in [cell.queryText().getText(0, -1) for cell in board]:
        assert time.monotonic() < deadline, "the computer did not reply"
        time.sleep(0.2)
    reply = [cell.queryText().getText(0, -1) for cell in board].index("O")
    orca.hear("X", f"notification O on cell {reply}.")
    keys(*["Tab"] * 9, "Return")  # past cells 2 to 9 to "Play Again?"
    answer(orca, "gorvane", "who goes first X or O?", "O")
    orca.hear("notification O on cell 4.", "Cell 0 text.", "empty.")
    assert board[0].getState().contains(pyatspi.STATE_FOCUSED), "cell 0 has no focus"
    game.kill()
    game.wait()


def two_players(gorvane, orca):
    game = start_game(gorvane, orca, "2")
    board = cells(game)
    for cell in (1, 0, 5, 3):
        board[cell].queryAction().doAction(0)
        orca.hear(f"notification {'O' if cell in (1, 5) else 'X'} to play.")
    board[9].queryAction().doAction(0)
    orca.hear("alert X has won by diagonal  1.", "cells 1, 5 and 9.")
    game.kill()
    game.wait()


def stop_accessibility_bus():
    """The session bus started the accessibility bus and its registry, which outlive it."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, None, Gio.DBusCallFlags.NONE, -1, None).unpack()[0]
    a11y = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    for bus, name in ((a11y, "org.a11y.atspi.Registry"), (session, "org.a11y.Bus")):
        pid = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                            GLib.Variant("(s)", (name,)), None, Gio.DBusCallFlags.NONE, -1,
                            None).unpack()[0]
        os.kill(pid, signal.SIGTERM)


def main(gorvane, work):
    orca = None
    try:
        orca = Orca(work)
        one_player(gorvane, orca)
        two_players(gorvane, orca)
    except AssertionError as error:
        print(f"orca test: FAILED: {error}", flush=True)
        return 1
    finally:
        if orca:
            orca.stop()
        stop_accessibility_bus()
    print("orca test: passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
