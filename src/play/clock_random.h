// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "play/random_source.h"

#include <cstdint>
#include <functional>
#include <random>

// Reseeds from a high-resolution clock mixed with a count of reseeds, so that a reseed gives a
// fresh draw even when the clock has not moved on since the last one.
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
    std::ranlux24_base m_engine; // 24-bit values: exactly a float's precision below 1
};
