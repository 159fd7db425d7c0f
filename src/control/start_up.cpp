// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/start_up.h"

#include "control/first_mover.h"
#include "game/game.h"
#include "game/translatable.h"

void Form_Load(Game &game)
{
    game.form.setCaption("Gorvane");
    game.form.showForm();
    game.state = GameState{};

    //: the title of the dialogs that ask how many people play
    const char *title = translatable("Dialogs", "Player Number");
    std::string &players = game.state.PlayerCount;
    //: the answer is typed: the digit 1 or 2
    players =
        game.dialogs.askText(translatable("Dialogs", "Select number of players."), title, "1");
    while (players != "2" && players != "1" && !game.dialogs.quitting()) {
        //: refuses an answer other than the digit 1 or 2 to how many people play
        game.dialogs.showMessage(translatable("Dialogs", "Sorry, must be 1 or 2."));
        //: asked again after a refused answer: how many people play, 1 or 2. The "or" is a slip
        //: the English keeps; translate "Number of players?".
        players = game.dialogs.askText(translatable("Dialogs", "Number or players?"), title, "1");
    }
    askFirstMover(game, AtStartUp);
    makeOpeningDecision(game);
}
