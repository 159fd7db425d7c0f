#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Proves a later Debian release on a clean root of it, from the sources as a tarball gives them
# (`git archive` of HEAD; without git, the working tree less the build folders): it installs what
# scripts/setup.sh names there, builds with warnings as errors, runs every ctest test, none
# skipped, and the package test with that release's tools and lintian.
# - trixie (Debian 13) also checks the formatting, runs clang-tidy and validates the metainfo;
#   then it installs the package DEB, built on Debian 12, and the one built there, each on another
#   clean overlay of the root, and plays them there (scripts/clean-root-test.sh): the package
#   test's own install would need a root inside the root.
# - testing, the next release, changes daily: where its archive cannot install a package that
#   scripts/setup.sh names, the step says so in one line, naming it, and proves nothing else.
# Needs root, to mount and chroot; the root is made once and kept (scripts/lib/debian-root.sh).
# Usage: debian-release-test.sh trixie DEB, or debian-release-test.sh testing
set -euo pipefail
cd "$(dirname "$0")/.."
suite=$1
deb=${2:+$(realpath "$2")}
case $suite in
trixie) name="Debian 13" ;;
testing) name="Debian testing" ;;
*) echo "debian-release-test: trixie or testing, not \"$suite\"" >&2 && exit 1 ;;
esac

fail() {
    echo "$name test: $*" >&2
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
    echo "== $name ($suite)"
    in_root bash -c 'cd /src/gorvane && "$@"' step "$@" || fail "$name failed"
    echo "$name: $((SECONDS - start)) s"
}

# The first package that apt could not install, as its log names it.
uninstallable() {
    sed -n -e 's/^ \([a-z0-9.+-]*\) : \(Pre\)\{0,1\}Depends:.*/\1/p' \
        -e "s/^E: Package '\\([^']*\\)' has no installation candidate/\\1/p" \
        -e 's/^E: Unable to locate package \(.*\)/\1/p' "$1" | head -n 1
}

make_root "$suite"
open_root "$suite" "$work"
mkdir -p "$root/src/gorvane"
source_tarball | tar -x -C "$root/src/gorvane"

# The steps' logs stay out of the sources, whose every file the package test's reuse lint checks.
start=$SECONDS
echo "== setup ($suite)"
if ! root_limit=900 in_root sh -c 'cd /src/gorvane && scripts/setup.sh >/tmp/setup.log 2>&1'; then
    broken=$(uninstallable "$root/tmp/setup.log")
    if [ "$suite" = testing ] && [ -n "$broken" ]; then
        echo "$name: the archive cannot install $broken today; nothing else is proven"
        exit 0
    fi
    tail -n 30 "$root/tmp/setup.log"
    fail "setup failed"
fi
echo "setup: $((SECONDS - start)) s"
if [ "$suite" = trixie ]; then
    step format 120 scripts/check-format.sh
fi
step build 1200 sh -c 'cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGORVANE_WERROR=ON \
    >/dev/null &&
    cmake --build build -j "$(nproc)" >/tmp/build.log || { tail -n 50 /tmp/build.log; exit 1; }'
if [ "$suite" = trixie ]; then
    step clang-tidy 900 scripts/tidy.sh
    step metainfo 60 scripts/check-metainfo.sh validate --pedantic --strict \
        data/org.gorvane.Gorvane.metainfo.xml
fi
# Every test must run and pass; the whole log is shown when one does not. The check of the real
# desktops runs under Debian 13's GNOME 48, not yet under testing's GNOME Shell 50, which the
# check cannot start headless as it starts the others: its Xwayland ends at once, and the shell
# with it. Nor does it run under their KWin 6, whose virtual backend draws with OpenGL, and takes
# screenshots, only on a GPU's render node, which a machine without a GPU does not have.
excluded=(-E real_desktops_kwin)
[ "$suite" = testing ] && excluded=(-E 'real_desktops_(gnome|kwin)')
step ctest 900 sh -c 'ctest --test-dir build --output-on-failure -j "$(nproc)" "$@" \
    >/tmp/ctest.log &&
    ! grep -q Skipped /tmp/ctest.log && grep "tests passed" /tmp/ctest.log ||
    { cat /tmp/ctest.log; exit 1; }' ctest "${excluded[@]}"
in_root sh -c 'qtpaths6 --qt-version 2>/dev/null || qmake6 -query QT_VERSION' |
    sed 's/^/Qt /'
step "package test" 600 scripts/package-test.sh --no-clean-root build
if [ "$suite" = testing ]; then
    echo "$name test: passed in $SECONDS s"
    exit 0
fi
cp "$root"/src/gorvane/build/gorvane_*.deb "$built/"
close_root "$work"

start=$SECONDS
scripts/clean-root-test.sh "$deb" "$suite"
scripts/clean-root-test.sh "$built"/gorvane_*.deb "$suite"
echo "$name, both packages: $((SECONDS - start)) s"
echo "$name test: passed in $SECONDS s"
