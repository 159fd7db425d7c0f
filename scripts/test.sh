#!/usr/bin/env bash
# Sets up, builds with warnings as errors, and runs every test: the rules and turn flow over a
# fake window, the real window on Qt's offscreen platform, and the installed Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/check-format.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGORVANE_WERROR=ON
cmake --build build -j "$(nproc)"
scripts/tidy.sh
scripts/package-test.sh build
# Last, so that ctest's summary closes the run.
ctest --test-dir build --output-on-failure -j "$(nproc)"
