// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

// One thing a person does to the window. Start-up is the program's load, the first event of every
// run of the program; the others are the person's clicks and typing.
enum class EventKind { StartUp, Click, Type, PlayAgain, ResetAll, Exit, Beginner, Advanced };

// The answers a person gives to one question: refused answers, then the one that is taken.
struct Script
{
    std::deque<std::string> answers;
    std::string taken; // what the game must make of the last answer
};

// Counters that a start-up sets just below their limit, in the order XWins, OWins, Ties,
// GameNumber; so that a few thousand events reach an overflow.
using NearLimits = std::array<std::optional<std::int16_t>, 4>;

struct Event
{
    EventKind kind = EventKind::Click;
    int cell = 0; // Click, Type
    std::string text; // Type
    Script players; // StartUp
    Script firstMover; // StartUp, PlayAgain
    NearLimits nearLimits; // StartUp
};

std::string describe(const Event &event);
