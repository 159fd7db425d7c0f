#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the game STARTS times (5 unless given) under a desktop's own compositor, headless, set up
# as Debian's session runs it: GNOME Shell (gnome) or KDE Plasma's KWin (kwin), Wayland with
# Xwayland, a virtual monitor, the desktop's XDG_CURRENT_DESKTOP and a private session bus (and, for
# GNOME Shell, a second one standing in for the system bus). The game starts as a player's session
# starts it, with no platform forced. Each start answers the two start-up questions, "2" and "o",
# through the desktop's own input for remote and test programs, and looks at whole-screen
# screenshots taken by the desktop's own tool: the first question must lie over the board, and
# once both answers are typed the board must stand alone and empty (one player would have let the
# computer open in the centre). Runs in a private mount namespace, whose folder of X sockets
# Xwayland may write to. Exits 77 (skipped) when the desktop, its screenshot tool, Xwayland or
# ImageMagick is not installed, no mount namespace can be made, or KWin cannot take screenshots.
# Usage: real_desktops.sh GORVANE gnome|kwin [STARTS]
set -euo pipefail

case $# in 2 | 3) desktop=$2 ;; *) desktop= ;; esac
case $desktop in
gnome) tools=(gnome-shell gnome-screenshot) bus_name=org.gnome.Shell ;;
kwin) tools=(kwin_wayland spectacle) bus_name=org.kde.KWin ;;
*)
    echo "usage: $0 GORVANE gnome|kwin [STARTS]" >&2
    exit 2
    ;;
esac
for tool in "${tools[@]}" Xwayland convert compare dbus-daemon unshare; do
    if ! command -v "$tool" >/dev/null; then
        echo "real desktops: $tool is not installed, skipped"
        exit 77
    fi
done
if [ -z "${GORVANE_DESKTOPS_NAMESPACE:-}" ]; then
    unshare --mount --map-root-user true 2>/dev/null || unshare --mount true 2>/dev/null || {
        echo "real desktops: no mount namespace can be made here, skipped"
        exit 77
    }
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(--map-root-user)
    exec env GORVANE_DESKTOPS_NAMESPACE=1 unshare --mount "${as_root[@]}" "$0" "$@"
fi
mkdir -p /tmp/.X11-unix
mount -t tmpfs -o mode=1777 gorvane-x11 /tmp/.X11-unix

gorvane=$(realpath "$1")
starts=${3:-5}
work=$(mktemp -d)
# In memory of this namespace's own: a service that the session bus started may still be writing
# its runtime files as it ends, when the folder goes. Its files go with the memory, and the
# check's verdict never hangs on removing the folder.
mount -t tmpfs -o mode=700 gorvane-desktops "$work"
pids=()
stop() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    umount --lazy "$work"
    rm -rf "$work" 2>/dev/null || true
}
trap stop EXIT
trap "exit 1" INT TERM
fail() {
    echo "real desktops: $*" >&2
    echo "the desktop's log:" >&2
    tail -n 30 "$work/desktop.log" >&2
    exit 1
}

# The session as a display manager leaves it, and nothing of the caller's own desktop.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY
export LC_ALL=C.UTF-8 LANG=C.UTF-8 HOME=$work/home XDG_RUNTIME_DIR=$work/run
unset LANGUAGE
mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
for bus in system session; do # GNOME Shell asks for logind on the system bus
    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
        3>"$work/$bus.address" 4>"$work/$bus.pid"
    pids+=("$(cat "$work/$bus.pid")")
done
export DBUS_SYSTEM_BUS_ADDRESS=$(cat "$work/system.address")
export DBUS_SESSION_BUS_ADDRESS=$(cat "$work/session.address")

# Ends process $1 with SIGTERM, as a logout does; fails where it has not ended within 30 s, and
# then kills it.
end() {
    kill "$1" 2>/dev/null || true
    (sleep 30 && kill -KILL "$1") >/dev/null 2>&1 &
    local watchdog=$! status=0
    wait "$1" 2>/dev/null || status=$?
    kill "$watchdog" 2>/dev/null || true
    [ "$status" -ne 137 ]
}

# Runs command $2... every 0.1 s until it succeeds, for up to $1 s.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Whether nothing owns the bus name $1.
unowned() {
    [ "$(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner "$1")" = "(false,)" ]
}

# The shell's property OverviewActive; the session opens in the overview. A shell that does not
# answer at all is given 5 s.
overview() {
    gdbus call --session --timeout 5 -d org.gnome.Shell -o /org/gnome/Shell \
        -m org.freedesktop.DBus.Properties."$1" org.gnome.Shell OverviewActive ${2:+"$2"}
}

# Whether the overview is $1 ("true" or "false").
overview_is() { [ "$(overview Get 2>/dev/null)" = "(<$1>,)" ]; }

# Starts the desktop's compositor as $shell; fails where it does not come up within its bounds.
start_gnome() {
    export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
    rm -f "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* # a shell started before may have left its own
    gnome-shell --headless --wayland --virtual-monitor 1024x768 >"$work/desktop.log" 2>&1 &
    shell=$!
    pids+=("$shell")
    # It opens the overview once it has started; closing it leaves an empty desktop.
    within 30 overview_is true && overview Set "<false>" >/dev/null &&
        within 30 overview_is false || return 1
    DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/desktop.log")
    XAUTHORITY=$(echo "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
    export DISPLAY XAUTHORITY WAYLAND_DISPLAY=wayland-0
}
start_kwin() {
    export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland KDE_FULL_SESSION=true
    # A copy without the file capability that the installed binary asks for: a container whose
    # capability bounding set lacks it cannot execute that file at all.
    cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
    # Plasma grants fake input and screenshots to the programs its desktop files name; the switch
    # lets this check's own keyboard in as well.
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$work/kwin_wayland" --virtual --xwayland --width 1024 \
        --height 768 --socket wayland-0 >"$work/desktop.log" 2>&1 &
    shell=$!
    pids+=("$shell")
    export WAYLAND_DISPLAY=wayland-0
    gdbus wait --session --timeout 30 org.kde.KWin || return 1
    # KWin 6's virtual backend draws with OpenGL only on a GPU's render node; drawing without
    # OpenGL, KWin takes no screenshots.
    if [ "$(gdbus call --session -d org.kde.KWin -o /Compositor \
        -m org.freedesktop.DBus.Properties.Get org.kde.kwin.Compositing compositingType)" \
        = "(<'qpainter'>,)" ]; then
        echo "real desktops: KWin draws without OpenGL here, and takes no screenshots; skipped"
        exit 77
    fi
    # Its screenshot interface comes shortly after its name.
    within 30 gdbus introspect --session -d org.kde.KWin -o /org/kde/KWin/ScreenShot2 \
        >/dev/null 2>&1
}

# The desktop's keyboard for remote and test programs, as a coprocess: each line of key codes
# sent to it is pressed and released key by key, then answered with "typed". One keyboard for the
# whole run: each new one changes the keymap that Xwayland's clients are told of.
# GNOME: mutter's remote-desktop input, as a remote desktop's, typing keysyms.
gnome_keyboard='
import sys
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
def call(path, interface, method, arguments=None):
    return bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, "org.gnome.Mutter." + interface,
                         method, arguments, None, Gio.DBusCallFlags.NONE, -1, None)
session = call("/org/gnome/Mutter/RemoteDesktop", "RemoteDesktop", "CreateSession")[0]
call(session, "RemoteDesktop.Session", "Start")
for line in sys.stdin:
    for key in line.split():
        for pressed in (True, False):
            call(session, "RemoteDesktop.Session", "NotifyKeyboardKeysym",
                 GLib.Variant("(ub)", (int(key, 0), pressed)))
    print("typed")
'
# KWin: its fake-input protocol, as KDE Connect's, typing evdev key codes. Debian has no Python
# binding of Wayland, and the four requests it takes are simple to send.
kwin_keyboard='
import os, socket, struct, sys
wayland = socket.socket(socket.AF_UNIX)
wayland.connect(os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"]))
received = b""
def send(target, opcode, *arguments):  # uints and strings
    body = b"".join(struct.pack("<I", a) if isinstance(a, int) else struct.pack("<I", len(a) + 1)
                    + a.encode() + bytes(4 - len(a) % 4) for a in arguments)
    wayland.sendall(struct.pack("<II", target, (8 + len(body)) << 16 | opcode) + body)
def roundtrip(callback):  # wl_display.sync; returns the globals announced before its answer
    global received
    send(1, 0, callback)
    announced = {}
    while True:
        while len(received) >= 8 and len(received) >= struct.unpack_from("<HH", received, 4)[1]:
            target, _, size = struct.unpack_from("<IHH", received)
            body, received = received[8:size], received[size:]
            if target == callback:
                return announced
            if target == 2:  # wl_registry.global: name, interface, version
                length = struct.unpack_from("<I", body, 4)[0]
                announced[body[8:7 + length].decode()] = struct.unpack_from("<I", body)[0]
        received += wayland.recv(4096) or sys.exit("the compositor closed the connection")
send(1, 1, 2)  # wl_display.get_registry
name = roundtrip(3)["org_kde_kwin_fake_input"]
send(2, 0, name, "org_kde_kwin_fake_input", 4, 4)  # wl_registry.bind, version 4 as id 4
send(4, 0, "Gorvane check", "types the answers to the game")  # authenticate
for callback, line in enumerate(sys.stdin, start=5):
    for key in line.split():
        for pressed in (1, 0):
            send(4, 10, int(key), pressed)  # keyboard_key
    roundtrip(callback)
    print("typed", flush=True)
'
if [ "$desktop" = gnome ]; then
    keyboard_program=$gnome_keyboard
    declare -A keys=([2]=0x32 [o]=0x6f [Return]=0xff0d [Shift]=0xffe1)
    screenshot=(gnome-screenshot -f)
else
    keyboard_program=$kwin_keyboard
    declare -A keys=([2]=3 [o]=24 [Return]=28 [Shift]=42)
    screenshot=(spectacle --background --nonotify --fullscreen --output)
fi
start_keyboard() {
    coproc keyboard { /usr/bin/python3 -u -c "$keyboard_program" 2>"$work/keyboard.log"; }
    pids+=("$keyboard_PID")
    # The first key of a new keyboard was at times lost while Xwayland took its keymap: a Shift.
    type_keys Shift || fail "the keyboard did not start: $(cat "$work/keyboard.log")"
}
# Types the keys named $@.
type_keys() {
    local name codes=() typed
    for name; do codes+=("${keys[$name]}"); done
    echo "${codes[*]}" >&"${keyboard[1]}"
    read -r -t 10 typed <&"${keyboard[0]}" && [ "$typed" = typed ]
}

# How many pixels of screenshot $1 are of the board's colour $2: its green or its red.
pixels() {
    convert "$work/$1.png" -alpha off -fuzz 20% -fill black +opaque "$2" -fill white \
        -opaque "$2" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Takes a screenshot as $work/$1.png and prints how many of its pixels are the board's green.
shot() {
    "${screenshot[@]}" "$work/$1.png" >>"$work/screenshot.log" 2>&1
    pixels "$1" '#00ff00'
}

# How many pixels screenshots $1 and $2 differ by.
difference() {
    compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 | cut -d' ' -f1 || true
}

# Waits up to 20 s for the screen to settle: three screenshots in a row alike but for a blinking
# caret, the last kept as $1.png and, given $3, at least $2 pixels away from screenshot $3. Prints
# the board's green pixels on it.
settled() {
    local green alike=0 deadline=$((SECONDS + 20))
    green=$(shot "$1")
    while [ "$SECONDS" -lt "$deadline" ]; do
        mv "$work/$1.png" "$work/$1-before.png"
        green=$(shot "$1")
        if [ "$(difference "$1-before" "$1")" -lt 100 ]; then alike=$((alike + 1)); else alike=0; fi
        if [ "$alike" -ge 2 ] && { [ -z "${3:-}" ] || [ "$(difference "$3" "$1")" -ge "$2" ]; }; then
            echo "$green"
            return
        fi
    done
    return 1
}

# Starts the game, answers its questions and judges the screens; prints what went wrong, if so.
start_game() {
    XDG_CONFIG_HOME=$work/config-$1 "$gorvane" 2>"$work/game.log" &
    local game=$! question board=
    # The window and its question take far more of the screen than a blinking caret: GNOME 48
    # attaches the question over the board, which it may hide whole.
    if ! question=$(settled question 20000 desktop); then
        echo "no question settled on the screen"
    elif ! type_keys 2 Return || ! settled second 200 question >/dev/null; then
        echo "the typed 2 did not reach the question"
    elif ! type_keys o Return || ! board=$(settled board 200 second); then
        echo "the typed o did not reach the question"
    fi
    if ! end "$game"; then
        echo "the game did not end within 30 s of SIGTERM"
    elif [ -z "$board" ]; then
        return
    elif [ "$question" -ge $((board * 3 / 4)) ]; then # beside the window, it hides none of it
        echo "the question was not over the board ($question of $board green pixels seen)"
    elif [ "$board" -lt 10000 ] || [ "$(pixels board '#ff0000')" -gt 500 ]; then
        echo "the board is not alone and empty ($board green pixels, the computer's red mark?)"
    fi
}

failures=0
# GNOME Shell 43 at times stalls in its own start-up, busy machine or not: the child it forks for
# ibus-daemon runs JavaScript before its exec, and may deadlock on a lock that another thread held
# at the fork. The shell waits on that child, which keeps the shell's bus names and sockets. That
# is no start of the game's: the children go, and the shell is started once more.
if ! "start_$desktop"; then
    echo "real desktops: $desktop did not start; starting it once more"
    pkill -KILL -P "$shell" || true
    end "$shell" || true
    within 30 unowned "$bus_name" || fail "$desktop's bus name outlived it"
    "start_$desktop" || fail "$desktop did not start"
fi
start_keyboard
settled desktop 0 >/dev/null || fail "the empty desktop did not settle"
for start in $(seq "$starts"); do
    wrong=$(start_game "$start")
    echo "$desktop, start $start: ${wrong:-the question over the window, the answers typed into it}"
    if [ -n "$wrong" ]; then
        failures=$((failures + 1))
        if [ -n "${GORVANE_DESKTOPS_SCREENSHOTS:-}" ]; then
            mkdir -p "$GORVANE_DESKTOPS_SCREENSHOTS/$start"
            cp "$work"/*.png "$GORVANE_DESKTOPS_SCREENSHOTS/$start/"
        fi
    fi
done
echo "real desktops: $failures of $starts starts wrong"
[ "$failures" -eq 0 ]
