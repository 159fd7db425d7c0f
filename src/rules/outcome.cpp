// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/outcome.h"

#include "game/game.h"
#include "game/translatable.h"
#include "rules/number_text.h"

namespace {

constexpr int BottomRowCode = 12; // the row 7-8-9, whose first cell is 7

// The mark, then the line's wording and the number. The number is never negative, so the blank
// that stands in its sign's place is written into the wording, and the number goes over as digits.
const char *winWording(LineKind kind)
{
    switch (kind) {
    case LineKind::Row:
        //: %1 is the winner's mark, X or O; %2 the row's number: 0, 1 or 2 from the top, or 4 for
        //: cells 7 to 9. The two blanks before %2 are the English's own.
        return translatable("Dialogs", "%1 has won by row  %2");
    case LineKind::Column:
        //: %1 is the winner's mark, X or O; %2 the column's number, 0 to 2 in the direction of
        //: writing. The two blanks before %2 are the English's own.
        return translatable("Dialogs", "%1 has won by col  %2");
    case LineKind::Diagonal:
        //: %1 is the winner's mark, X or O; %2 the number of the diagonal's first cell: 0, 1 or 2.
        //: The two blanks before %2 are the English's own.
        return translatable("Dialogs", "%1 has won by diagonal  %2");
    }
    return "";
}

} // namespace

void AnnounceWin(Game &game, LineKind kind, int code)
{
    const bool isRow = kind == LineKind::Row;
    const int firstCell = isRow && code >= BottomRowCode ? 7 : code;
    // The winner comes off the board, not from the turn: the turn may have passed on already.
    game.state.CurrentMark = game.form.cellText(firstCell);
    const int number = isRow ? code / 3 : code; // row codes 0, 3, 6, 12 show as 0, 1, 2, 4
    game.dialogs.showComposedMessage(winWording(kind),
                                     {game.state.CurrentMark, std::to_string(number)});
    LockBoard(game);
}

void LockBoard(Game &game)
{
    for (int cell = 0; cell < CellCount; ++cell)
        game.form.setCellEnabled(cell, false);
    RecordWin(game);
}

void RecordWin(Game &game)
{
    GameState &state = game.state;
    state.MoveCount = 0;
    // Any winning text other than "X" counts for "O".
    const bool forX = state.CurrentMark == "X";
    Int16 &wins = forX ? state.XWins : state.OWins;
    if (state.WinsFound == 1)
        ++wins;
    game.form.setScoreText(forX ? ScoreBox::Text2 : ScoreBox::Text3, numberText(wins.value()));
    state.GameOver = true;
}

void CheckForTie(Game &game)
{
    GameState &state = game.state;
    if (state.MoveCount != CellCount)
        return;
    ++state.Ties;
    game.dialogs.showMessage(translatable("Dialogs", "The game is a tie."));
    game.form.setScoreText(ScoreBox::Text4, numberText(state.Ties.value()));
    LockBoard(game);
}
