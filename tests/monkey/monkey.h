// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "monkey/invariants.h"

#include <cstdint>
#include <ostream>

struct SeedRun
{
    std::uint64_t events = 0;
    std::uint64_t handled = 0; // reached a handler; the rest were typing or hit a disabled control
    std::uint64_t checks = 0;
    Coverage coverage;
    bool passed = true;
};

// Runs `events` events drawn from `seed` against the game over the fake window, checking the
// invariants after each. On a failure it writes the seed, what broke, the state around it and the
// whole event list to `out`, and stops. With `trace` it writes every event as it runs.
SeedRun runSeed(std::uint32_t seed, std::uint64_t events, std::ostream &out, bool trace);
