#include "play/beginner_move.h"

#include "app/board.h"
#include "app/game.h"
#include "play/random_pick.h"
#include "rules/outcome.h"
#include "rules/win_lines.h"

void BeginnerMove(Game &game)
{
    GameState &state = game.state;
    if (!PickRandomCell(game)) {
        state.CurrentMark = "X";
        return;
    }
    ++state.MoveCount;
    placeMark(game.form, state.ComputerCell, "O");
    CheckForWin(game);
    state.CurrentMark = "X";
    CheckForTie(game);
}
