// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct Game;

// A click on cell Index (0 <= Index < CellCount), the only way a person's mark reaches the board.
//
// One turn, in order:
//   1. MoveCount rises before the cell is looked at, and falls back if the cell is taken.
//   2. The mark goes down, CheckForWin runs, then CheckForTie where the game can have ended.
//   3. Two players: CurrentMark toggles, also after a win (CheckForWin has set it to the winner).
//      One player: "X" always; a tenth mark sets GameOver before the line search, and a game
//      that ended keeps CurrentMark at "X" and gets no reply.
//   4. Hand-over: in the one-player game CurrentMark is "O" here, ComputerTurn becomes true and
//      the computer replies within this same click (AdvancedMove or BeginnerMove by Level).
//      The reply runs its own CheckForWin and CheckForTie and hands the turn back to "X".
void Text1_Click(Game &game, int Index);
