// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/random_source.h"

#include <cstdint>
#include <functional>

// Reseeds from a high-resolution clock and a count of reseeds, mixed together, so that every
// reseed gives a draw independent of the earlier ones, whether the clock has moved on or not.
class ClockRandom : public RandomSource
{
public:
    using Clock = std::function<std::uint64_t()>;

    explicit ClockRandom(Clock clock = nanosecondsSinceEpoch);

    void reseedFromClock() override;
    float draw() override;

    static std::uint64_t nanosecondsSinceEpoch();

private:
    Clock m_clock;
    std::uint64_t m_reseeds = 0;
    std::uint64_t m_state = 0;
};
