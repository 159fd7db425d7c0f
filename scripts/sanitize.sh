#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize and
# runs every ctest test there. Any report, a leak included, ends its program with an error and
# so fails the run. Leaks inside the system's libraries are listed in scripts/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:print_stacktrace=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
# Exported before the build, which runs tools of its own (the icon renderer) under the same rules.
cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGORVANE_WERROR=ON -DGORVANE_SANITIZE=ON
cmake --build build-sanitize -j 2
ctest --test-dir build-sanitize --output-on-failure -j 2
