// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/start_up.h"

#include "control/first_mover.h"
#include "game/game.h"

void Form_Load(Game &game)
{
    game.form.setCaption("Gorvane");
    game.form.show();
    game.state = GameState{};

    std::string &players = game.state.PlayerCount;
    players = game.dialogs.askText("Select number of players.", "Player Number", "1");
    while (players != "2" && players != "1" && !game.dialogs.quitting()) {
        game.dialogs.showMessage("Sorry, must be 1 or 2.");
        players = game.dialogs.askText("Number or players?", "Player Number", "1");
    }
    askFirstMover(game, AtStartUp);
    makeOpeningDecision(game);
}
