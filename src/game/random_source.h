// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The generator behind the computer's random pick.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void reseedFromClock() = 0;
    // Uniform; 0 <= result < 1.
    virtual float draw() = 0;
};
