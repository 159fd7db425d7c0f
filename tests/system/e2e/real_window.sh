#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the built program in a real X window, from outside, as a person would: xdotool answers
# the dialogs and clicks cells and buttons, ImageMagick's import takes screenshots, and two small
# checkers read the board and the message boxes back from them. A run with two players, played to
# a win by a held Return, then "Reset all" and "Play Again?"; a run against the computer at
# "Advanced", played to a win, then "Play Again?" with the computer opening. Both end with "Exit"
# and status 0. Every dialog must open centred over the window. Given "openbox", runs all of it
# under that window manager, which frames and places the windows and moves the focus.
# Keeps every screenshot, named e2e-<step>.png (e2e-openbox-<step>.png under openbox), in
# SCREENSHOTS. Exits 77 (skipped) when Xvfb, xdotool, import or openbox is not installed.
# Usage: real_window.sh GORVANE BOARD_CHECK MESSAGE_CHECK SCREENSHOTS [openbox]
set -euo pipefail

if [ $# -ne 4 ] && { [ $# -ne 5 ] || [ "$5" != openbox ]; }; then
    echo "usage: $0 GORVANE BOARD_CHECK MESSAGE_CHECK SCREENSHOTS [openbox]" >&2
    exit 2
fi
gorvane=$1
board_check=$2
message_check=$3
shots=$4
window_manager=${5:-}
prefix=e2e-${window_manager:+$window_manager-}
# ImageMagick's own, not another program of that name earlier on the PATH.
import=/usr/bin/import
for tool in Xvfb xdotool xprop xwininfo "$import" dbus-run-session $window_manager; do
    if ! command -v "$tool" >/dev/null; then
        echo "real window test: $tool is not installed, skipped"
        exit 77
    fi
done
# A private session bus, as a player's session has one. Without a bus, the question Qt 6.8 asks
# the desktop portal as it starts is answered only through the event loop, and a program that
# ends before then, as the checkers do, leaves the call's watcher, which LeakSanitizer reports.
if [ -z "${GORVANE_REAL_WINDOW_BUS:-}" ]; then
    exec env GORVANE_REAL_WINDOW_BUS=1 dbus-run-session -- "$0" "$@"
fi

fail() {
    echo "real window test: $*" >&2
    exit 1
}
source "$(dirname "$0")/../../../scripts/lib/x11-game.sh"

work=$(mktemp -d)
trap 'stop_x11; rm -rf "$work"' EXIT
trap "exit 1" INT TERM
mkdir -p "$shots"
start_xvfb "$work"
if [ -n "$window_manager" ]; then start_window_manager "$window_manager"; fi
main=

# Clicks at $2,$3 in window $1, in its own pixels.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Clicks the middle of cell $1. Cells 0 to 8 stand in rows of three on a 40-pixel pitch from
# 8,48; cell 9 is to the right of cell 8.
click_cell() {
    local column=$(($1 < 9 ? $1 % 3 : 3)) row=$(($1 < 9 ? $1 / 3 : 2))
    click "$main" $((28 + 40 * column)) $((68 + 40 * row))
}

# The buttons and the "Advanced" option, each clicked in its middle.
play_again() { click "$main" 88 200; }
reset_all() { click "$main" 276 152; }
exit_game() { click "$main" 292 204; }
advanced() { click "$main" 190 240; }

# The client area of window $1 on the screen: left, top, width and height.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# Dialog $1 stands centred over the game window, within a pixel each way.
expect_centred() {
    local x y width height main_x main_y main_width main_height
    read -r x y width height <<<"$(geometry "$1")"
    read -r main_x main_y main_width main_height <<<"$(geometry "$main")"
    # Twice the distance between the centres, in whole pixels.
    local right=$((2 * x + width - 2 * main_x - main_width))
    local down=$((2 * y + height - 2 * main_y - main_height))
    if ((right < -2 || right > 2 || down < -2 || down > 2)); then
        fail "the dialog \"$(xdotool getwindowname "$1")\" ($width x $height at $x,$y) is not" \
            "centred over the window ($main_width x $main_height at $main_x,$main_y)"
    fi
}

# Answers $2 to the input box titled $1. Given $3, first keeps a screenshot of the whole screen
# as $prefix$3.png.
ask() {
    local box
    box=$(window_titled "$1" "$main")
    expect_centred "$box"
    if [ -n "${3:-}" ]; then "$import" -silent -window root "$shots/$prefix$3.png"; fi
    answer "$box" "$2"
}

# Cancels the input box titled $1 with Escape, as closing it would.
cancel() {
    local box
    box=$(window_titled "$1" "$main")
    expect_centred "$box"
    answer "$box" "" Escape
}

# The board as the checker prints it: cells $1 red, cells $2 yellow, the others green.
cells() {
    local board=gggggggggg cell
    for cell in $1; do board=${board:0:cell}r${board:cell+1}; done
    for cell in ${2:-}; do board=${board:0:cell}y${board:cell+1}; done
    echo "$board"
}

# Waits until the board reads as the regular expression $2, with nothing beside it, and prints
# it. Keeps the screenshot as $prefix$1.png.
expect_board() {
    local shot=$shots/$prefix$1.png seen= deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        if seen=$("$import" -silent -window "$main" "$shot" 2>&1 && "$board_check" "$shot" 2>&1) \
            && [[ $seen =~ ^$2$ ]]; then
            echo "$seen"
            return
        fi
        sleep 0.1
    done
    fail "waited for the board $2 ($shot), the window shows: $seen"
}

# Waits for a message box, checks that it reads $2 and closes it. Keeps the screenshot as
# $prefix$1.png.
expect_message() {
    local shot=$shots/$prefix$1.png box
    box=$(window_titled Gorvane "$main")
    expect_centred "$box"
    local deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        if "$import" -silent -window "$box" "$shot" 2>"$work/message.log" \
            && QT_QPA_PLATFORM=xcb "$message_check" "$shot" "$2" 2>"$work/message.log"; then
            answer "$box"
            return
        fi
        sleep 0.1
    done
    fail "waited for the message \"$2\" ($shot): $(cat "$work/message.log")"
}

# A locked board ignores a click on cell $1: no message opens and the board stays as it is. The
# proof is an absence, so it waits a moment for a reaction.
expect_locked() {
    local before
    before=$(expect_board "$2" '.*')
    click_cell "$1"
    sleep 0.5
    [ "$(game_windows)" = "$main" ] || fail "a click on cell $1 of the locked board opened a window"
    expect_board "$2" "$before" >/dev/null
}

echo "== two players"
start_game "$gorvane"
main=$(window_titled Gorvane)
ask "Player Number" 2 screen-start
ask gorvane x screen-first-mover # upper-cased: "X" moves first
expect_board two-players-start gggggggggg >/dev/null
click_cell 1
expect_board two-players-x1 "$(cells 1)" >/dev/null
click_cell 0
expect_board two-players-o0 "$(cells "0 1")" >/dev/null
click_cell 1
expect_message two-players-taken "Sorry, already selected."
for cell in 5 4; do click_cell "$cell"; done
expect_board two-players-x5-o4 "$(cells "0 1 4 5")" >/dev/null
# The winning move by a Return held as long as the server repeats it several times: it plays
# once, and its repeats leave the win message open. From cell 4, Down, Right and Right reach
# cell 9.
xdotool windowfocus --sync "$main" key Down Right Right keydown Return
sleep 1.5
xdotool keyup Return
expect_message win-message "X has won by diagonal  1"
expect_board win "$(cells "0 4" "1 5 9")" >/dev/null
expect_locked 2 two-players-locked
reset_all
expect_board two-players-reset gggggggggg >/dev/null
# "Reset all" clears the marks but leaves the board locked.
expect_locked 3 two-players-reset-locked
play_again
ask gorvane z
expect_message two-players-refusal "sorry, your choices are X or O"
ask Gorvane O screen-untitled # the re-ask has no title of its own
click_cell 9
expect_board two-players-again "$(cells 9)" >/dev/null
exit_game
expect_clean_exit

echo "== one player at Advanced"
start_game "$gorvane"
main=$(window_titled Gorvane)
ask "Player Number" 1
cancel gorvane # a cancelled box answers "", which is refused
expect_message one-player-cancelled "Sorry, your choices are X or O"
ask gorvane X
advanced
click_cell 8
# No line holds two marks yet, so the computer answers on a free cell drawn at random.
board=$(expect_board one-player-x8 '[gr]{8}r[gr]')
reply=
for cell in 0 1 2 3 4 5 6 7 9; do
    if [ "${board:cell:1}" = r ]; then reply=$reply$cell; fi
done
[[ $reply =~ ^[0-9]$ ]] || fail "the computer did not answer with one O: $board"
echo "the computer answered on cell $reply"
# From here on every reply completes or blocks a line, so the game is fixed by that first reply.
# Each step is "X/O": the cell clicked and the one the computer must take; the last click wins.
case $reply in
    6 | 9) steps="0/4 2/1 5" line="2 5 8" message="X has won by col  2" ;;
    7) steps="2/5 4/0 6" line="2 4 6" message="X has won by diagonal  2" ;;
    *) steps="7/6 9" line="7 8 9" message="X has won by row  4" ;;
esac
marked="8 $reply"
for step in $steps; do
    click_cell "${step%/*}"
    marked="$marked ${step/\// }"
    if [[ $step == */* ]]; then
        expect_board "one-player-x${step%/*}" "$(cells "$marked")" >/dev/null
    fi
done
expect_message one-player-win-message "$message"
expect_board one-player-win "$(cells "$marked" "$line")" >/dev/null
play_again
ask gorvane o # the computer opens in the centre
expect_board one-player-again "$(cells 4)" >/dev/null
exit_game
expect_clean_exit
echo "real window test: passed"
