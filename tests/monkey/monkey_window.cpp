// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/monkey_window.h"

#include <cmath>

MonkeyWindow::MonkeyWindow(std::uint32_t seed)
    : m_engine(seed)
{
}

void MonkeyWindow::beginEvent()
{
    m_work = Work{};
    transcript.clear();
    coloursAtMessage.clear();
}

void MonkeyWindow::showMessage(const std::string &text)
{
    if (++m_work.messages > MaxMessages)
        throw Runaway("more than " + std::to_string(MaxMessages) + " message boxes in one event");
    FakeWindow::showMessage(text);
}

void MonkeyWindow::reseedFromClock()
{
    ++m_work.reseeds;
}

float MonkeyWindow::draw()
{
    if (m_work.drawnCells.size() == MaxDraws)
        throw Runaway("more than " + std::to_string(MaxDraws) + " random draws in one event");
    // Mostly uniform, sometimes the very ends of the range, where a scaled draw could round.
    float value = 0.0F;
    switch (m_engine() % 20) {
    case 0:
        value = 0.0F;
        break;
    case 1:
        value = std::nextafter(1.0F, 0.0F);
        break;
    default:
        value = static_cast<float>(m_engine() >> 8) / 16777216.0F; // 24 bits: exact, below 1
    }
    m_work.drawnCells.push_back(static_cast<int>(value * 10.0F));
    return value;
}

void MonkeyWindow::setScoreText(ScoreBox box, const std::string &text)
{
    m_work.scoreWritten.at(static_cast<std::size_t>(box)) = true;
    FakeWindow::setScoreText(box, text);
}
