#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs orca.py against the built program with the real screen reader Orca, on a private X server
# under openbox and a private session bus. Every tool is required: a missing one fails the test.
# Usage: orca.sh GORVANE
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 GORVANE" >&2
    exit 2
fi
fail() {
    echo "orca test: $*" >&2
    exit 1
}
python=/usr/bin/python3
for tool in Xvfb openbox xdotool xprop orca dbus-run-session /usr/libexec/at-spi-bus-launcher \
    "$python"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed"
source "$(dirname "$0")/../../scripts/lib/x11-game.sh"

work=$(mktemp -d)
trap 'stop_x11; rm -rf "$work"' EXIT
trap "exit 1" INT TERM
start_xvfb "$work"
chmod 700 "$work"
start_window_manager openbox
unset AT_SPI_BUS_ADDRESS
dbus-run-session -- "$python" "$(dirname "$0")/orca.py" "$1" "$work"
