// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/clock_random.h"

#include <chrono>
#include <utility>

ClockRandom::ClockRandom(Clock clock)
    : m_clock(std::move(clock))
{
}

void ClockRandom::reseedFromClock()
{
    constexpr std::uint64_t GoldenRatio = 0x9E3779B97F4A7C15; // spreads consecutive counts apart
    m_engine.seed(m_clock() + ++m_reseeds * GoldenRatio);
}

float ClockRandom::draw()
{
    // A 24-bit integer scaled by 2^-24 is exact in single precision and at most 1 - 2^-24,
    // so the result can never round up to 1.
    constexpr float Scale = 1.0F / 16777216.0F;
    return static_cast<float>(m_engine()) * Scale;
}

std::uint64_t ClockRandom::nanosecondsSinceEpoch()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}
