#!/usr/bin/env bash
# Fails, listing the places, when any C++ file strays from .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
