# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays the built game from the keyboard while Orca runs, and checks what Orca says.

Orca runs without a speech server; its debug log records every utterance as "SPEECH OUTPUT:". One
player: a cell's first visit, the computer's reply where the board (read through AT-SPI) shows it,
a filled cell's mark said once on a later visit, the computer's opening move and the focus on the
board after "Play Again?". Two players: whose turn after each move, the winning cells after a win.
Usage: orca.py GORVANE WORK
"""
import os
import re
import signal
import subprocess
import sys
import time

from screen_reader import Atspi, Failure, Gio, GLib, ScreenReader, find, press


# Far beyond what Orca takes to start, or to speak, on a machine busy with other work.
START_SECONDS = 180
HEAR_SECONDS = 60


def plain(phrase):
    """What was said, less what Orca versions add or leave out: the role of a notification (Qt
    before 6.8 has no announcements), a dialog's role after its title and the cell's key before
    its text (Orca 51 leaves out the one and says the other), and a closing full stop."""
    phrase = re.sub(r"^(notification|return) ", "", phrase.strip().removesuffix("."))
    return phrase.removesuffix(" dialog")


def own_processes():
    """Orca ends at once where another Orca of the same user runs anywhere on the machine (it asks
    pgrep): a player's own, or another run of this test. The test's Orca runs where it sees only
    its own processes, in a PID namespace, wherever one can be made; ended, it takes Orca with
    it."""
    namespace = ["unshare", "--pid", "--fork", "--mount-proc", "--kill-child"]
    if os.getuid() != 0:
        namespace[1:1] = ["--user", "--map-current-user"]
    usable = subprocess.run(namespace + ["true"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL).returncode == 0
    return namespace if usable else []


class Orca:
    def __init__(self, work):
        self.log, prefs, self.read = os.path.join(work, "orca.log"), os.path.join(work, "prefs"), 0
        os.mkdir(prefs)
        # Orca runs this at start-up: its log, buffered otherwise, then shows each line as said.
        # No speech server: Debian 13's speech-dispatcher, with a synthesiser but no sound device,
        # stops answering after the first utterance, and Orca waits for it for good.
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as customizations:
            customizations.write("import orca.debug\n"
                                 "orca.debug.debugFile.reconfigure(line_buffering=True)\n"
                                 "import orca.settings\n"
                                 "orca.settings.speechServerFactory = None\n")
        self.process = subprocess.Popen(own_processes() + ["orca", "-u", prefs, "--debug-file",
                                        self.log], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.hear("Screen reader on.", seconds=START_SECONDS)

    def said(self):
        with open(self.log, "a+", errors="replace") as log:
            log.seek(0)
            return re.findall(r"SPEECH OUTPUT: '(.*)' ?(?:\{.*|None)?$", log.read(), re.M)

    def hear(self, *expected, seconds=HEAR_SECONDS):
        """Waits until Orca has said these, in this order, after what hear() found last."""
        expected = [plain(phrase) for phrase in expected]
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            at, said = self.read, self.said()
            for phrase in expected:
                at = next((i + 1 for i in range(at, len(said)) if plain(said[i]) == phrase), None)
                if at is None:
                    break
            if at is not None:
                print(f"orca test: heard {said[self.read:at]}", flush=True)
                self.read = at
                return
            time.sleep(0.2)
        raise Failure(f"Orca did not say {list(expected)}; it said {said[self.read:]}")


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.3)


def start(gorvane, orca, players, first="X"):
    reader = ScreenReader(subprocess.Popen([gorvane], env=dict(os.environ, QT_QPA_PLATFORM="xcb")))
    reader.attach()
    ask(reader, orca, "Player Number", players, "Player Number dialog.",
        "Select number of players. text.")
    ask(reader, orca, "gorvane", first, "who goes first X or O? text.")
    orca.hear("Cell 0 text.", "empty.")
    return reader, [find(reader.window(), f"Cell {i}") for i in range(10)]


def ask(reader, orca, title, text, *said):
    """Hears an input box and answers it through AT-SPI. Not by keys: Debian 13's Orca takes a
    Return that opens the next box only after that box's focus events, and then leaves its prompt
    unsaid. A box that opens as the last one closes may have its title said before or after the
    last one's echo, so only its prompt is awaited there."""
    orca.hear(*said)
    reader.answer(title, text)


def one_player(gorvane, orca):
    reader, board = start(gorvane, orca, "1")
    keys("Tab")
    orca.hear("Cell 1 text.", "empty.")  # its first visit
    keys("Return")
    marks = reader.wait_for("the computer's reply", lambda: "O" in (
        marks := [Atspi.Text.get_text(cell, 0, -1) for cell in board]) and marks)
    # Orca 43 says the player's own "X" first; later ones leave out text typed by a key that types
    # nothing.
    orca.hear(f"notification O on cell {marks.index('O')}.")
    keys("Tab", "shift+Tab")
    time.sleep(1)
    orca.hear("Cell 1 text.")
    again = orca.said()[orca.read:]
    if [plain(phrase) for phrase in again if "X" in phrase] != ["X"]:
        raise Failure(f"a visit of cell 1 said {again}, not its mark once")
    press(find(reader.window(), "Play Again?"))
    ask(reader, orca, "gorvane", "O", "gorvane dialog.", "who goes first X or O? text.")
    heard = orca.read
    orca.hear("Cell 0 text.", "empty.")
    # The computer's opening move, said before the focus moves or, by later Orcas, after it.
    if "O on cell 4" not in [plain(phrase) for phrase in orca.said()[heard:orca.read]]:
        orca.hear("notification O on cell 4.")
    if not board[0].get_state_set().contains(Atspi.StateType.FOCUSED):
        raise Failure("cell 0 has no focus after Play Again?")
    reader.game.kill()
    reader.game.wait()


def two_players(gorvane, orca):
    reader, board = start(gorvane, orca, "2")
    for cell in (1, 0, 5, 3):
        press(board[cell])
        orca.hear(f"notification {'O' if cell in (1, 5) else 'X'} to play.")
    press(board[9])
    orca.hear("alert X has won by diagonal  1.", "cells 1, 5 and 9.")
    reader.game.kill()
    reader.game.wait()


def stop_accessibility_bus():
    """The session bus started the accessibility bus and its registry, which outlive it."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    a11y = Gio.DBusConnection.new_for_address_sync(
        session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                          None, Gio.DBusCallFlags.NONE, -1, None).unpack()[0],
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    for bus, name in ((a11y, "org.a11y.atspi.Registry"), (session, "org.a11y.Bus")):
        os.kill(bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                              GLib.Variant("(s)", (name,)), None, Gio.DBusCallFlags.NONE, -1,
                              None).unpack()[0], signal.SIGTERM)


def main(gorvane, work):
    orca = None
    try:
        orca = Orca(work)
        one_player(gorvane, orca)
        two_players(gorvane, orca)
    except Failure as error:
        print(f"orca test: FAILED: {error}", flush=True)
        with open(os.path.join(work, "orca.log"), "a+", errors="replace") as log:
            log.seek(0)
            print("orca test: the end of Orca's log:", "".join(log.readlines()[-60:]), sep="\n",
                  flush=True)
        return 1
    finally:
        if orca:
            orca.process.terminate()  # ignored while Orca is idle
            try:
                orca.process.wait(2)
            except subprocess.TimeoutExpired:
                orca.process.kill()
        stop_accessibility_bus()
    print("orca test: passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
