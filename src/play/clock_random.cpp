// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/clock_random.h"

#include <chrono>
#include <utility>

// SplitMix64: even its first output after a seed is well mixed, and it seeds in a few
// nanoseconds; std's engines either give near first draws for near seeds or seed slowly.
namespace {

constexpr std::uint64_t Gamma = 0x9E3779B97F4A7C15; // 2^64 over the golden ratio, odd

// Every input bit changes about half of the output bits, so near seeds give unrelated values.
constexpr std::uint64_t finalise(std::uint64_t value)
{
    value = (value ^ (value >> 30U)) * 0xBF58476D1CE4E5B9;
    value = (value ^ (value >> 27U)) * 0x94D049BB133111EB;
    return value ^ (value >> 31U);
}

} // namespace

ClockRandom::ClockRandom(Clock clock)
    : m_clock(std::move(clock))
{
}

void ClockRandom::reseedFromClock()
{
    // The count keeps apart two reseeds within one tick of the clock.
    m_state = finalise(m_clock() + ++m_reseeds * Gamma);
}

float ClockRandom::draw()
{
    m_state += Gamma;
    // The top 24 bits scaled by 2^-24 are exact in single precision and at most 1 - 2^-24, so
    // the result can never round up to 1.
    constexpr float Scale = 1.0F / 16777216.0F;
    return static_cast<float>(finalise(m_state) >> 40U) * Scale;
}

std::uint64_t ClockRandom::nanosecondsSinceEpoch()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}
