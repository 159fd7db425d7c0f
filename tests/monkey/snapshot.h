// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_state.h"
#include "monkey/board_oracle.h"
#include "support/fake_window.h"

#include <array>
#include <string>

// Everything the game can change, copied between events.
struct Snapshot
{
    std::array<FakeWindow::Cell, CellCount> cells;
    std::array<std::string, 4> scores;
    bool optionsEnabled = false;
    bool ended = false;
    GameState state;

    static Snapshot of(const FakeWindow &window, const GameState &state);

    Texts texts() const;
    bool anyCellEnabled() const;
    bool allCellsEnabled() const;
};

bool sameState(const GameState &a, const GameState &b);
bool sameCells(const Snapshot &a, const Snapshot &b);

// Several lines: board, colours, locks, score boxes and the game state.
std::string describe(const Snapshot &snapshot);
