#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes what a player types into the game core (input-box answers, text in the cells) for a
# bounded time, 60 seconds unless given: builds the libFuzzer target with clang in build-fuzz
# and runs it on a fresh copy of fuzz/corpus, so that new inputs stay out of the repository.
# An input that breaks something is kept in build-fuzz/artifacts/ and fails the run.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGORVANE_FUZZ=ON -DGORVANE_WERROR=ON
cmake --build build-fuzz -j 2 --target text_fuzzer

rm -rf build-fuzz/corpus build-fuzz/artifacts
cp -r fuzz/corpus build-fuzz/corpus
mkdir build-fuzz/artifacts
status=0
# -timeout: an input that runs for seconds is a hang, and counts as a failure.
build-fuzz/text_fuzzer -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/artifacts/ build-fuzz/corpus 2>&1 | tee build-fuzz/fuzz.log \
    || status=$?
grep '^stat::number_of_executed_units' build-fuzz/fuzz.log || true
exit "$status"
