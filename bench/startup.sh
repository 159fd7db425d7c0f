#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of gorvane against the floor (bench/floor.cpp) on a private X server: the median time
# from process start until the first input box is mapped, and the median peak resident memory,
# over RUNS runs of each, taken in turn (A B A B) after one warm-up run of each. The game starts
# without a settings file, or with SETTINGS_FILE as the one a player's last run left.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [SETTINGS_FILE]
set -euo pipefail

build=${1:-build}
runs=${2:-20}
title="Player Number"
results=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$results"' EXIT

exec 3<> "$results/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$results/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$results/display")"
export QT_QPA_PLATFORM=xcb
# In English, whatever the desktop speaks: the probe waits for the box's English title.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE
export XDG_RUNTIME_DIR="$results/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$results/config"
if [ -n "${3:-}" ]; then
    install -D -m 644 "$3" "$XDG_CONFIG_HOME/gorvane/gorvane.conf"
fi

probe() { "$build/startup_probe" "$title" "$build/$1"; }
probe gorvane >/dev/null
probe floor >/dev/null
for _ in $(seq "$runs"); do
    probe gorvane >>"$results/gorvane"
    probe floor >>"$results/floor"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for program in gorvane floor; do
    ms=$(cut -d' ' -f1 "$results/$program" | median)
    kib=$(cut -d' ' -f2 "$results/$program" | median)
    printf '%-8s median start-up %7.1f ms, median peak memory %7d KiB (%d runs)\n' "$program" "$ms" "$kib" "$runs"
    eval "${program}_ms=$ms ${program}_kib=$kib"
done
awk -v a="$gorvane_ms" -v b="$floor_ms" -v c="$gorvane_kib" -v d="$floor_kib" \
    'BEGIN { printf "ratios gorvane / floor: start-up %.3f, memory %.3f\n", a / b, c / d }'
