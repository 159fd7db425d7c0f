#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game and its package a second time, from a copy of the sources in another folder and
# later than the build BUILD (default build) that scripts/package-test.sh packed, and checks that
# both builds give byte-identical executables and packages. As Debian's reproducibility tests do,
# the second build runs in another language, time zone and umask than a usual one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
source scripts/lib/source-tree.sh

fail() {
    echo "reproducible test: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
other=$work/elsewhere/gorvane
mkdir -p "$other"
# Turkish (scripts/setup.sh generates it), where "i" upper-cases to a dotted capital; fourteen
# hours ahead of UTC; files writable by the group.
export LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 LANGUAGE=tr TZ=Etc/GMT-14
umask 0002
working_tree_tarball | tar -x -C "$other"
cmake -S "$other" -B "$other/build-again" -DCMAKE_BUILD_TYPE=Release -DGORVANE_WERROR=ON \
    -DBUILD_TESTING=OFF >/dev/null
timeout 900 cmake --build "$other/build-again" --target deb -j "$(nproc)" >"$work/build.log" \
    || fail "the second build failed: $(tail -n 30 "$work/build.log")"

debs=("$build"/gorvane_*.deb)
[ -f "${debs[0]}" ] \
    || fail "$build holds no package; build it with: cmake --build $build --target deb"
for file in gorvane "$(basename "${debs[0]}")"; do
    sums=$(cd "$build" && sha256sum "$file"; cd "$other/build-again" && sha256sum "$file")
    echo "$sums"
    [ "$(cut -d' ' -f1 <<<"$sums" | uniq | wc -l)" -eq 1 ] || fail "the two builds' $file differ"
done
echo "reproducible test: passed"
