// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/fake_window.h"

#include <array>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

// A handler that does more work in one event than any game could need: it would hang the window.
class Runaway : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The fake window with an endless supply of seeded random draws. It counts the work of each event
// and stops a handler that goes past a bound, so that a loop is reported instead of hanging.
class MonkeyWindow : public FakeWindow
{
public:
    static constexpr int MaxDraws =
        1000; // a free cell is missed 1000 times in a row with p < 1e-45
    static constexpr int MaxMessages = 50;

    // What one event did through the window.
    struct Work
    {
        std::vector<int> drawnCells; // floor(draw * 10) of every draw, in order
        int reseeds = 0;
        int messages = 0;
        std::array<bool, 4> scoreWritten{}; // in ScoreBox order
    };

    explicit MonkeyWindow(std::uint32_t seed);

    // Starts counting a new event; the transcript is kept per event only.
    void beginEvent();
    const Work &work() const { return m_work; }

    void showMessage(const std::string &text) override;
    void reseedFromClock() override;
    float draw() override;
    void setScoreText(ScoreBox box, const std::string &text) override;

private:
    std::mt19937 m_engine;
    Work m_work;
};
