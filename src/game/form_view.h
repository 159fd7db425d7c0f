// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Colours are red-green-blue words with red in the low byte.
using Colour = std::uint32_t;
inline constexpr Colour CellEmptyColour = 0x0000FF00; // green
inline constexpr Colour CellTakenColour = 0x000000FF; // red
inline constexpr Colour CellWinColour = 0x0000FFFF; // yellow

inline constexpr int CellCount = 10;

// The score boxes, named after their controls: wins by X, wins by O, tied games, game number.
enum class ScoreBox { Text2, Text3, Text4, Text5 };

// What the game may see and change of its window. The board lives only in the cells: every rule
// reads a cell's text back through cellText(). Cell indices are 0 <= index < CellCount.
class FormView
{
public:
    virtual ~FormView() = default;

    [[nodiscard]] virtual std::string cellText(int index) const = 0;
    virtual void setCellText(int index, const std::string &text) = 0;
    virtual void setCellColour(int index, Colour colour) = 0;
    virtual void setCellEnabled(int index, bool enabled) = 0;

    virtual void setScoreText(ScoreBox box, const std::string &text) = 0;
    virtual void setOptionsEnabled(bool enabled) = 0;
    virtual void setCaption(const std::string &caption) = 0;

    // Shows the window without waiting; dialogs that follow open in front of it.
    virtual void showForm() = 0;
    virtual void endProgram() = 0;
};
