#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs screen_reader.py (or, given "orca", orca.py with the real screen reader Orca under openbox)
# against the built program on a private X server and a private session bus, where the
# accessibility bus (at-spi-bus-launcher) starts on demand. Exits 77 (skipped) when a tool is
# not installed; Orca's test requires every tool and fails instead.
# Usage: screen_reader.sh GORVANE [orca]
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ "${2:-orca}" != orca ]; then
    echo "usage: $0 GORVANE [orca]" >&2
    exit 2
fi
script=${2:-screen_reader}
missing=77
# Debian's Python, which has the AT-SPI bindings, not another one earlier on the PATH.
python=/usr/bin/python3
tools=(Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher "$python")
if [ "$script" = orca ]; then
    tools+=(openbox xdotool xprop orca)
    missing=1
fi
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        echo "$script test: $tool is not installed (scripts/setup.sh installs it)"
        exit $missing
    fi
done
if ! "$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "$script test: the AT-SPI bindings for Python are not installed"
    exit $missing
fi

fail() {
    echo "$script test: $*" >&2
    exit 1
}
source "$(dirname "$0")/../../../scripts/lib/x11-game.sh"

work=$(mktemp -d)
trap 'stop_x11; rm -rf "$work"' EXIT
trap "exit 1" INT TERM
start_xvfb "$work"
chmod 700 "$work"
if [ "$script" = orca ]; then
    start_window_manager openbox
fi
# Never the desktop's own accessibility bus.
unset AT_SPI_BUS_ADDRESS
export PYTHONDONTWRITEBYTECODE=1 # orca.py imports screen_reader.py: no cache in the source tree
dbus-run-session -- "$python" "$(dirname "$0")/$script.py" "$1" "$work"
