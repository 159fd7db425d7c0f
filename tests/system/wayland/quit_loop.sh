#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Ends the game by SIGTERM RUNS times at each of its two questions and on the board, each run on
# a private headless Weston at a random moment up to half a second after it gets there. Fails
# when a run has not ended by itself within 20 s (it is then killed) or ended with a status other
# than 0; prints the counts of each place. Exits 77 (skipped) when weston is not installed.
# Usage: quit_loop.sh RUNS QUIT_PROBE [--qt-teardown]
set -euo pipefail
runs=$1
shift
if ! command -v weston >/dev/null; then
    echo "quit loop: weston is not installed, skipped"
    exit 77
fi
places=("the players' question" "the first mover's question" "the board")
faults=0
for where in 0 1 2; do
    hung=() failed=()
    for _ in $(seq "$runs"); do
        delay=$((RANDOM % 500)) status=0
        "$(dirname "$0")/weston_run.sh" timeout -s KILL 20 "$1" "$where" "$delay" "${@:2}" \
            2>/dev/null || status=$?
        case $status in
        0) ;;
        137) hung+=("$delay") ;; # killed by timeout's SIGKILL
        *) failed+=("$delay:$status") ;;
        esac
    done
    # With the delays, in ms, of the runs that hung, and the delays and statuses of those that failed.
    echo "quit at ${places[where]}: $runs runs, ${#hung[@]} hung (${hung[*]}), ${#failed[@]} failed (${failed[*]})"
    faults=$((faults + ${#hung[@]} + ${#failed[@]}))
done
[ "$faults" -eq 0 ]
