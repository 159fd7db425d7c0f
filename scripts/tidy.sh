#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs clang-tidy over src/ with .clang-tidy's checks; any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-tidy
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    -DBUILD_TESTING=OFF >/dev/null
# The window's sources need what moc generates; nothing has to be compiled.
cmake --build "$build" -j "$(nproc)" --target gorvane_window_autogen gorvane_autogen >/dev/null
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "$PWD/src/"
