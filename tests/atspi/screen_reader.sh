#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs screen_reader.py against the built program on a private X server and a private session
# bus, where the accessibility bus (at-spi-bus-launcher) starts on demand. Exits 77 (skipped)
# when one of the tools is not installed.
# Usage: screen_reader.sh GORVANE
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 GORVANE" >&2
    exit 2
fi
# Debian's Python, which has the AT-SPI bindings, not another one earlier on the PATH.
python=/usr/bin/python3
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "screen reader test: $tool is not installed, skipped"
        exit 77
    fi
done
if ! "$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "screen reader test: the AT-SPI bindings for Python are not installed, skipped"
    exit 77
fi

fail() {
    echo "screen reader test: $*" >&2
    exit 1
}
source "$(dirname "$0")/../../scripts/lib/x11-game.sh"

work=$(mktemp -d)
trap 'stop_x11; rm -rf "$work"' EXIT
trap "exit 1" INT TERM
start_xvfb "$work"
# Never the desktop's own accessibility bus.
unset AT_SPI_BUS_ADDRESS
dbus-run-session -- "$python" "$(dirname "$0")/screen_reader.py" "$1"
