# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the game on a private X server and answers its dialogs with xdotool, as a person would.
# Sourced by the scripts that drive a real window. The caller defines fail MESSAGE (report and
# exit) and calls stop_x11 from its EXIT trap.

# The game speaks the desktop's language, and the scripts read its English texts; the tools they
# drive (Orca, Python) follow the locale too. C.UTF-8 is built into the C library.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE

# How long a wait for the X server, the window manager or the game may last: far beyond what they
# take on a machine busy with other work. Each wait ends as soon as its condition holds.
wait_seconds=60
xvfb=
game=
x11_work=
window_manager_pid=

# Starts Xvfb with its files in folder $1 and exports DISPLAY. -displayfd picks a free display and
# writes its number once the server accepts clients, so scripts running side by side never clash.
# -noreset: by default the server resets whenever its last client leaves, and refuses connections
# meanwhile; a look with xdotool just before the game connects would then stop the game.
start_xvfb() {
    x11_work=$1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$x11_work/display" \
        2>"$x11_work/xvfb.log" &
    xvfb=$!
    local deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ -s "$x11_work/display" ] && break
        sleep 0.1
    done
    [ -s "$x11_work/display" ] || fail "Xvfb did not start: $(cat "$x11_work/xvfb.log")"
    export DISPLAY=:$(cat "$x11_work/display")
    export XDG_RUNTIME_DIR=$x11_work
    # The game keeps its window's size in the config folder: a private one, so that no run opens
    # at the size another left.
    export XDG_CONFIG_HOME=$x11_work/config
}

# Starts the window manager $1 on the X server, with its default settings rather than the user's,
# and waits until it manages the screen.
start_window_manager() {
    XDG_CONFIG_HOME=$x11_work "$1" >"$x11_work/window-manager.log" 2>&1 &
    window_manager_pid=$!
    local deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return
        sleep 0.1
    done
    fail "$1 did not start: $(cat "$x11_work/window-manager.log")"
}

# Starts the game program $1 on the X server, on Qt's X11 platform whatever the environment says.
# Anything after it is passed on: "chroot ROOT PROGRAM" runs a program inside another root, with
# the same process id.
start_game() {
    QT_QPA_PLATFORM=xcb "$@" 2>"$x11_work/game.log" &
    game=$!
}

stop_x11() {
    if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
    if [ -n "$window_manager_pid" ]; then kill "$window_manager_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
}

game_windows() {
    xdotool search --onlyvisible --pid "$game" 2>/dev/null || true
}

# Prints the id of a visible window of the game whose title is exactly $1, other than window $2,
# waiting for one to appear. The title is the one desktops show (_NET_WM_NAME); the exact match
# also proves that nothing is appended to it.
window_titled() {
    local id title deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$game" 2>/dev/null || fail "the game ended early: $(cat "$x11_work/game.log")"
        for id in $(game_windows); do
            title=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null || true)
            if [ "$id" != "${2:-}" ] && [ "$title" = "_NET_WM_NAME(UTF8_STRING) = \"$1\"" ]; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
    # What the game shows instead, to tell a slow start from a window that never maps.
    local shown
    shown=$(xdotool search --pid "$game" 2>/dev/null | while read -r id; do
        echo "$id $(xwininfo -id "$id" 2>&1 | sed -n 's/^  Map State: //p'):" \
            "$(xprop -id "$id" _NET_WM_NAME 2>&1)"
    done || true)
    fail "no window titled \"$1\"; the game's windows: ${shown:-none};" \
        "its log: $(cat "$x11_work/game.log")"
}

# Types $2 over the default answer of dialog $1 (none: keeps the default) and presses key $3,
# Return unless given. Keys sent while a new dialog is still settling can be lost, so the answer
# is repeated while that same dialog stays open.
answer() {
    for _ in $(seq 5); do
        sleep 0.3
        # It may have taken the last try's keys late, and closed.
        grep -qx "$1" <<<"$(game_windows)" || return 0
        xdotool windowfocus --sync "$1" 2>/dev/null || continue
        if [ -n "${2:-}" ]; then xdotool key ctrl+a type "$2"; fi
        xdotool key "${3:-Return}"
        for _ in $(seq 20); do
            grep -qx "$1" <<<"$(game_windows)" || return 0
            sleep 0.1
        done
    done
    fail "the dialog $(xdotool getwindowname "$1") did not take its answer"
}

# Waits for the game to end by itself and checks that it ended with status 0.
expect_clean_exit() {
    local status=0 deadline=$((SECONDS + wait_seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null && fail "the game did not end within $wait_seconds s"
    wait "$game" || status=$?
    game=
    [ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$x11_work/game.log")"
}
