#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian package DEB with `apt-get install` on a clean root of Debian release SUITE
# (bookworm unless given), which proves its dependencies complete, then starts the installed
# /usr/games/gorvane there under a virtual X server, answers its start-up dialogue with xdotool,
# checks the window and ends it with "Exit". The root is made once and kept (see
# scripts/lib/debian-root.sh). Needs root, to mount and chroot.
# Usage: clean-root-test.sh DEB [SUITE]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
suite=${2:-bookworm}

fail() {
    echo "clean-root test ($suite): $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root, to mount and chroot"

source scripts/lib/x11-game.sh
source scripts/lib/debian-root.sh

work=$(mktemp -d)
cleanup() {
    stop_x11
    close_root "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

make_root "$suite"
open_root "$suite" "$work"
cp "$deb" "$root/tmp/"

echo "== apt-get install ./$(basename "$deb") on the clean root"
start=$SECONDS
log=$work/apt.log
in_root apt-get update >"$log" 2>&1 || fail "apt-get update failed: $(tail -n 20 "$log")"
echo "apt-get update: $((SECONDS - start)) s"
in_root sh -c 'cd /tmp && apt-get install -y ./gorvane_*.deb' >>"$log" 2>&1 \
    || fail "the package does not install: $(tail -n 20 "$log")"
in_root apt-get autoclean >/dev/null
grep -E '^([0-9]+ upgraded|Need to get)' "$log" || true
echo "installed in $((SECONDS - start)) s"

echo "== /usr/games/gorvane on the clean root, under Xvfb"
start_xvfb "$work"
# Qt wants its runtime folder to exist where XDG_RUNTIME_DIR points, inside the root too.
install -d -m 700 "$root$XDG_RUNTIME_DIR"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/org.gorvane.Gorvane.desktop")
start_game chroot "$root" /usr/games/gorvane

# The window is shown before the start-up dialogue opens.
main=$(window_titled Gorvane)
dialog=$(window_titled "Player Number")
answer "$dialog" 3
# The refusal is an untitled message box, shown with the application's name.
dialog=$(window_titled Gorvane "$main")
answer "$dialog"
dialog=$(window_titled "Player Number")
answer "$dialog" 2
dialog=$(window_titled gorvane)
answer "$dialog"

geometry=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 326x255 ] || fail "the window is $geometry, not 326x255"
properties=$(xprop -id "$main" WM_CLASS _NET_WM_ICON | cut -c1-200)
grep -q "WM_CLASS.*\"$wm_class\"" <<<"$properties" \
    || fail "WM_CLASS does not name the desktop entry's StartupWMClass $wm_class: $properties"
grep -q '^_NET_WM_ICON(CARDINAL) = ' <<<"$properties" || fail "the window has no icon"

# "Exit", the button at the bottom right, ends the program.
xdotool mousemove --window "$main" 292 204 click 1
expect_clean_exit
echo "clean-root test ($suite): passed in $SECONDS s"
