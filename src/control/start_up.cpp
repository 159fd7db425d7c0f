// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/start_up.h"

#include "control/first_mover.h"
#include "game/game.h"
#include "game/translatable.h"

void Form_Load(Game &game)
{
    game.form.setCaption("Gorvane");
    game.form.show();
    game.state = GameState{};

    const char *title = translatable("Dialogs", "Player Number");
    std::string &players = game.state.PlayerCount;
    players =
        game.dialogs.askText(translatable("Dialogs", "Select number of players."), title, "1");
    while (players != "2" && players != "1" && !game.dialogs.quitting()) {
        game.dialogs.showMessage(translatable("Dialogs", "Sorry, must be 1 or 2."));
        //: asked again after a refused answer: how many players, 1 or 2
        players = game.dialogs.askText(translatable("Dialogs", "Number or players?"), title, "1");
    }
    askFirstMover(game, AtStartUp);
    makeOpeningDecision(game);
}
