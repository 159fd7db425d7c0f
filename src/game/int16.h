// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/translatable.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

inline constexpr const char *OverflowErrorText =
    translatable("Dialogs", "Overflow error: a counter went beyond the range -32768 to 32767.");

// Thrown when a counter would leave the signed 16-bit range. It ends the event being handled.
class OverflowError : public std::overflow_error
{
public:
    OverflowError()
        : std::overflow_error(OverflowErrorText)
    {
    }
};

// A signed 16-bit counter. Stepping past either end throws instead of wrapping, so the value a
// player sees in a score box is never a silently wrapped one.
class Int16
{
public:
    // Implicit, as for any number type.
    constexpr Int16(std::int16_t value = 0)
        : m_value(value)
    {
    }

    [[nodiscard]] constexpr std::int16_t value() const { return m_value; }

    Int16 &operator++()
    {
        if (m_value == std::numeric_limits<std::int16_t>::max())
            throw OverflowError();
        ++m_value;
        return *this;
    }

    Int16 &operator--()
    {
        if (m_value == std::numeric_limits<std::int16_t>::min())
            throw OverflowError();
        --m_value;
        return *this;
    }

    friend constexpr bool operator==(Int16, Int16) = default;

private:
    std::int16_t m_value;
};
