#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game's packages a second time, from a copy of the sources in another folder and later
# than scripts/package-test.sh built those it left in BUILD (default build), and checks that both
# builds give byte-identical packages, the game's and its debug symbols. As Debian's
# reproducibility tests do, the second build runs in another language, time zone and umask than a
# usual one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
source scripts/lib/source-tree.sh
source scripts/lib/debian-package.sh

fail() {
    echo "reproducible test: $*" >&2
    exit 1
}

debs=("$build"/gorvane_*.deb "$build"/gorvane-dbgsym_*.deb)
for deb in "${debs[@]}"; do
    [ -f "$deb" ] || fail "$build holds no $(basename "$deb"); scripts/package-test.sh builds it"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
other=$work/elsewhere/gorvane
mkdir -p "$other"
# Turkish (scripts/setup.sh generates it), where "i" upper-cases to a dotted capital; fourteen
# hours ahead of UTC; files writable by the group.
export LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 LANGUAGE=tr TZ=Etc/GMT-14
umask 0002
working_tree_tarball | tar -x -C "$other"
build_package "$other" "$work/build.log"
for deb in "${debs[@]}"; do
    sums=$(sha256sum "$deb"; cd "$work/elsewhere" && sha256sum "$(basename "$deb")")
    echo "$sums"
    [ "$(cut -d' ' -f1 <<<"$sums" | uniq | wc -l)" -eq 1 ] \
        || fail "the two builds' $(basename "$deb") differ"
done
echo "reproducible test: passed"
