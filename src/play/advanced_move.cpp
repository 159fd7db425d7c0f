// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/advanced_move.h"

#include "game/board.h"
#include "game/game.h"
#include "play/random_pick.h"
#include "rules/outcome.h"
#include "rules/win_lines.h"

#include <array>

namespace {

struct Check
{
    int target;
    int partnerA;
    int partnerB;
};

// The order decides between two checks that both match. Each family of lines is scanned once per
// position of the target in the line, bases rising: the square's rows (first, middle, last), the
// diagonals 0-4-8 and 1-5-9 (first, last, middle), the columns (first, middle, last); then the
// two lines of no family, 2-4-6 and 7-8-9.
// One row per family keeps the order readable, so the formatter leaves the table alone.
// clang-format off
constexpr std::array<Check, 30> Checks{{
    {0, 1, 2}, {3, 4, 5}, {6, 7, 8},
    {1, 0, 2}, {4, 3, 5}, {7, 6, 8},
    {2, 0, 1}, {5, 3, 4}, {8, 6, 7},
    {0, 4, 8}, {1, 5, 9},
    {8, 0, 4}, {9, 1, 5},
    {4, 0, 8}, {5, 1, 9},
    {0, 3, 6}, {1, 4, 7}, {2, 5, 8},
    {3, 0, 6}, {4, 1, 7}, {5, 2, 8},
    {6, 0, 3}, {7, 1, 4}, {8, 2, 5},
    {2, 4, 6}, {4, 2, 6}, {6, 2, 4},
    {7, 8, 9}, {8, 7, 9}, {9, 7, 8},
}};
// clang-format on

bool matches(const FormView &form, const Check &check)
{
    const std::string partner = form.cellText(check.partnerA);
    return isFree(form, check.target) && (partner == "X" || partner == "O")
        && partner == form.cellText(check.partnerB);
}

} // namespace

std::optional<int> firstMatchingCheck(const FormView &form)
{
    for (const Check &check : Checks) {
        if (matches(form, check))
            return check.target;
    }
    return std::nullopt;
}

void AdvancedMove(Game &game)
{
    GameState &state = game.state;
    if (const std::optional<int> target = firstMatchingCheck(game.form)) {
        placeMark(game.form, *target, "O");
        ++state.MoveCount;
        state.CurrentMark = "X";
        CheckForWin(game);
        CheckForTie(game);
        return;
    }
    if (!placeOnRandomCell(game))
        return;
    CheckForWin(game);
    CheckForTie(game);
    state.CurrentMark = "X";
}
