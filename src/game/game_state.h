// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/int16.h"

#include <string>

enum class Strength { Beginner = 1, Advanced = 2 };

// Every variable of the running program; the board itself is kept in the window's cells.
// The defaults are the start-up values.
struct GameState
{
    Int16 OWins;
    Int16 XWins;
    Int16 GameNumber{1};
    Int16 Ties;
    Int16 MoveCount; // marks placed in the current game
    std::string CurrentMark; // "X" or "O" to move next; after a win, the winner's mark
    bool VsComputer = false; // one person plays "X" against the computer's "O"
    bool GameOver = false;
    Strength Level = Strength::Beginner;
    bool ComputerTurn = false;
    int WinLine = 0; // code of the last line scan, -1 for none
    int ComputerCell = 0; // last cell drawn for the computer
    bool ComputerFirst = false;
    std::string PlayerCount; // "1" or "2", as typed
    Int16 WinsFound; // win announcements in the current game
};
