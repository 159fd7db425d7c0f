// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "monkey/event.h"

#include <cstdint>
#include <random>

// A seeded stream of events. The same seed always gives the same events, so a failing run can be
// replayed from its seed alone.
class EventSource
{
public:
    // With nearLimits, each start-up puts some counters just below 32767.
    EventSource(std::uint32_t seed, bool nearLimits);

    Event startUp();
    // Anything but a start-up. A person facing a locked board mostly starts the next game.
    Event next(bool boardLocked);

private:
    std::mt19937 m_engine;
    bool m_nearLimits;
};
