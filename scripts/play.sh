#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGORVANE_WERROR=OFF
cmake --build build --target gorvane -j "$(nproc)"
exec build/gorvane
