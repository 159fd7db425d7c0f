// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"
#include "rules/line_kind.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the rules promise about the ten lines, written out apart from the game's own tables so that
// the monkey measures the game against them.

using Texts = std::array<std::string, CellCount>;

struct Line
{
    std::array<int, 3> cells;
    LineKind kind;
    int shownNumber; // the number a win message names
};

// In the order the line search visits them: rows, columns, diagonals.
inline constexpr std::array<Line, 10> Lines{{
    {{0, 1, 2}, LineKind::Row, 0},
    {{3, 4, 5}, LineKind::Row, 1},
    {{6, 7, 8}, LineKind::Row, 2},
    {{7, 8, 9}, LineKind::Row, 4},
    {{0, 3, 6}, LineKind::Column, 0},
    {{1, 4, 7}, LineKind::Column, 1},
    {{2, 5, 8}, LineKind::Column, 2},
    {{0, 4, 8}, LineKind::Diagonal, 0},
    {{2, 4, 6}, LineKind::Diagonal, 2},
    {{1, 5, 9}, LineKind::Diagonal, 1},
}};

bool isMark(const std::string &text);
bool isComplete(const Texts &texts, const Line &line); // three equal texts, not free
bool anyFree(const Texts &texts);
// Free cells that would complete or block a line whose other two cells hold the same mark.
std::vector<int> pairTargets(const Texts &texts);

struct WinMessage
{
    std::string mark;
    const Line *line;
};

// "<mark> has won by <row|col|diagonal>  <number>", or nothing for any other message.
std::optional<WinMessage> parseWinMessage(const std::string &message);
