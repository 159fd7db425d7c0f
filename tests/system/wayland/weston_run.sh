#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a program on Qt's wayland platform as the client of a private headless Weston: weston gets
# a runtime folder and a socket of its own, the program starts once the socket is there, and
# weston stops when the program has ended. Exits with the program's status, or 77 (skipped) when
# weston is not installed.
# With --until-title, the program need not end: the run passes once the compositor shows a window
# of that title, and the program is then killed.
# With --keyboard, weston runs in a window of a private Xvfb instead, whose keyboard becomes its
# seat's: a headless weston's seat has none, so it gives no window the keyboard focus. Its output
# is the room that the offscreen platform's 800-pixel screen leaves a window framed by 2 pixels
# each side, so that the window tests' sizes hold on both.
# Usage: weston_run.sh [--until-title TITLE | --keyboard] PROGRAM [ARGUMENT...]
set -euo pipefail

title=
keyboard=
backend=(--backend=headless-backend.so)
if [ "${1:-}" = --until-title ]; then
    title=$2
    shift 2
elif [ "${1:-}" = --keyboard ]; then
    keyboard=1
    backend=(--backend=x11-backend.so --use-pixman --width=796 --height=796)
    shift
fi
if [ $# -lt 1 ]; then
    echo "usage: $0 [--until-title TITLE | --keyboard] PROGRAM [ARGUMENT...]" >&2
    exit 2
fi
for tool in weston ${keyboard:+Xvfb}; do
    if ! command -v "$tool" >/dev/null; then
        echo "wayland run: $tool is not installed, skipped"
        exit 77
    fi
done

source "$(dirname "$0")/../../../scripts/lib/x11-game.sh"
runtime=$(mktemp -d)
weston=
program=
# The program is killed, not asked to quit: Qt 6.8's Wayland client can deadlock in its teardown
# when the application quits while the compositor is still answering a window just shown (a bare
# Qt program with one input box does the same). Quitting is tested by the window tests.
stop() {
    if [ -n "$program" ]; then
        kill -KILL "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    for server in "$weston" "$xvfb"; do
        if [ -n "$server" ]; then
            kill "$server" 2>/dev/null || true
            wait "$server" 2>/dev/null || true
        fi
    done
    rm -rf "$runtime"
}
trap stop EXIT
trap "exit 1" INT TERM
fail() {
    echo "wayland run: $*" >&2
    echo "weston's log:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
}

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-gorvane
# A private config folder: the game opens at the size it was left at.
export XDG_CONFIG_HOME=$runtime/config
# Xvfb, weston and the program are each awaited for at most wait_seconds (x11-game.sh).
unset DISPLAY
if [ -n "$keyboard" ]; then start_xvfb "$runtime"; fi
weston "${backend[@]}" --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config --debug \
    >"$runtime/weston.log" 2>&1 &
weston=$!
unset DISPLAY
deadline=$((SECONDS + wait_seconds))
while [ "$SECONDS" -lt "$deadline" ]; do
    [ -S "$runtime/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
[ -S "$runtime/$WAYLAND_DISPLAY" ] || fail "weston did not open its socket"

export QT_QPA_PLATFORM=wayland
# In English, whatever the desktop speaks: a window is awaited by its English title.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE
# A headless weston's seat has no keyboard. Qt 6.4's text-input support asks the seat for it when
# a click in a line edit requests the input panel, and crashes; the programs here need no input
# method.
export QT_IM_MODULE=none
# Weston leaves window decorations to its clients. Qt draws them only after loading its EGL buffer
# integration, of no use to a compositor that draws in software, and whose Mesa driver leaks at
# exit from a library already unloaded, beyond LeakSanitizer's suppressions. The windows' contents
# are the same without them.
export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
if [ -z "$title" ]; then
    # Qt 6.4's Wayland client races with its own event thread and, about once in a hundred runs,
    # aborts inside libwayland; later Qt versions fixed it. Where the build names that Qt, that
    # exact abort alone, and nothing of ours, earns one more run, which is announced.
    status=0
    "$@" 2>"$runtime/program.log" || status=$?
    cat "$runtime/program.log" >&2
    race="wl_proxy_unref: Assertion \`proxy->refcount > 0' failed."
    if [ "$status" -eq 134 ] && [ "${GORVANE_QT_WAYLAND_RACE:-}" = 6.4 ] \
        && grep -qF "$race" "$runtime/program.log"; then
        echo "wayland run: Qt 6.4's wl_proxy_unref race aborted the run; running it once more" >&2
        "$@"
        exit
    fi
    exit "$status"
fi

# Asks the compositor for its scene graph (weston-debug, which --debug allows) and looks for a
# view of a top-level window of the program with that title: a window the compositor shows.
"$@" 2>"$runtime/program.log" &
program=$!
shown() {
    timeout 5 weston-debug scene-graph 2>/dev/null | grep -F "PID $program," \
        | grep -qF "top-level window '$title'"
}
deadline=$((SECONDS + wait_seconds))
while [ "$SECONDS" -lt "$deadline" ]; do
    if ! kill -0 "$program" 2>/dev/null; then
        fail "$1 ended before a window \"$title\" opened: $(cat "$runtime/program.log")"
    fi
    if shown; then
        echo "wayland run: the window \"$title\" opened"
        exit 0
    fi
    sleep 0.1
done
fail "no window \"$title\" opened within $wait_seconds s"
