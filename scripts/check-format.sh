#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails, listing the places, when any C++ file strays from .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench tools fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 \
    | xargs -0 clang-format --dry-run --Werror
