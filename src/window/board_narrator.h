// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"
#include "game/game_state.h"
#include "window/announcer.h"

#include <QList>

class MessageDialogs;
class QWidget;

// Tells a screen reader's user what the board does away from the focus, as the window sees it
// change during one event: the computer's mark, whose turn it is in a two-player game, and which
// cells a win message is about. Nothing it does shows on screen.
class BoardNarrator
{
public:
    BoardNarrator(QWidget *window, MessageDialogs &dialogs);

    // clickedCell: the cell whose click raised the event, -1 for any other event.
    void eventStarting(int clickedCell);
    void cellWritten(int index, const std::string &text);
    void cellColoured(int index, Colour colour);
    void eventEnded(const GameState &state);

private:
    Announcer m_announcer;
    MessageDialogs &m_dialogs;
    int m_clickedCell = -1;
    bool m_markPlaced = false;
    QList<int> m_winningCells;
};
