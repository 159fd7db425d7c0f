#!/usr/bin/env bash
# Sets up, builds with warnings as errors, and runs every test: the rules and turn flow over a
# fake window, and the real window on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGORVANE_WERROR=ON
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
