#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Proves Debian 13 (trixie) on a clean root of it: from the sources as a tarball gives them (`git
# archive` of HEAD; without git, the working tree less the build folders) it installs what
# scripts/setup.sh names there, checks the formatting, builds with warnings as errors, runs
# clang-tidy, validates the metainfo, runs every ctest test, none skipped, and the package test
# with Debian 13's tools and lintian. Then it installs the package DEB, built on Debian 12, and
# the one built there, each on another clean overlay of that root, and plays them there
# (scripts/clean-root-test.sh): the package test's own install would need a root inside the root.
# Needs root, to mount and chroot; the root is made once and kept (scripts/lib/debian-root.sh).
# Usage: debian13-test.sh DEB
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
suite=trixie

fail() {
    echo "Debian 13 test: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root, to mount and chroot"

source scripts/lib/debian-root.sh
source scripts/lib/source-tree.sh

work=$(mktemp -d)
built=$(mktemp -d)
trap 'close_root "$work"; rm -rf "$built"' EXIT
trap "exit 1" INT TERM

# Runs step $1, the command after it inside the root's copy of the sources, within $2 seconds.
step() {
    local name=$1 start=$SECONDS
    root_limit=$2
    shift 2
    echo "== $name (Debian 13)"
    in_root bash -c 'cd /src/gorvane && "$@"' step "$@" || fail "$name failed"
    echo "$name: $((SECONDS - start)) s"
}

make_root "$suite"
open_root "$suite" "$work"
mkdir -p "$root/src/gorvane"
source_tarball | tar -x -C "$root/src/gorvane"

# The steps' logs stay out of the sources, whose every file the package test's reuse lint checks.
step setup 900 sh -c 'scripts/setup.sh >/tmp/setup.log 2>&1 ||
    { tail -n 30 /tmp/setup.log; exit 1; }'
step format 120 scripts/check-format.sh
step build 1200 sh -c 'cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGORVANE_WERROR=ON \
    >/dev/null &&
    cmake --build build -j "$(nproc)" >/tmp/build.log || { tail -n 50 /tmp/build.log; exit 1; }'
step clang-tidy 900 scripts/tidy.sh
step metainfo 60 scripts/check-metainfo.sh validate --pedantic --strict \
    data/org.gorvane.Gorvane.metainfo.xml
# Every test must run and pass; the whole log is shown when one does not. The check of the real
# desktops is left out until it is proven under GNOME 48, whose tools it has not yet met.
step ctest 900 sh -c 'ctest --test-dir build --output-on-failure -j "$(nproc)" -E real_desktops \
    >/tmp/ctest.log &&
    ! grep -q Skipped /tmp/ctest.log && grep "tests passed" /tmp/ctest.log ||
    { cat /tmp/ctest.log; exit 1; }'
step "package test" 600 scripts/package-test.sh --no-clean-root build
cp "$root"/src/gorvane/build/gorvane_*.deb "$built/"
close_root "$work"

start=$SECONDS
scripts/clean-root-test.sh "$deb" "$suite"
scripts/clean-root-test.sh "$built"/gorvane_*.deb "$suite"
echo "Debian 13, both packages: $((SECONDS - start)) s"
echo "Debian 13 test: passed in $SECONDS s"
