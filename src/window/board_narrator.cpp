// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/board_narrator.h"

#include "window/message_dialogs.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

// What a screen reader hears beyond the window's own texts, in the player's language.
QString computerMoveText(const QString &mark, int cell)
{
    //: the computer has put the mark %1 (X or O) on the cell numbered %2
    return QCoreApplication::translate("Announcer", "%1 on cell %2").arg(mark).arg(cell);
}

QString turnText(const QString &mark)
{
    //: the player with the mark %1 (X or O) moves next
    return QCoreApplication::translate("Announcer", "%1 to play").arg(mark);
}

QString winningCellsText(const QList<int> &cells)
{
    QStringList numbers;
    for (const int cell : cells)
        numbers << QString::number(cell);
    const QString last = numbers.takeLast();
    //: between the numbers of the winning cells before the last, as in "cells 1, 5 and 9"
    const QString separator = QCoreApplication::translate("Announcer", ", ");
    //: the cells of the winning line: %1 all numbers but the last, joined as above, %2 the last
    return QCoreApplication::translate("Announcer", "cells %1 and %2")
        .arg(numbers.join(separator), last);
}

} // namespace

BoardNarrator::BoardNarrator(QWidget *window, MessageDialogs &dialogs)
    : m_announcer(window)
    , m_dialogs(dialogs)
{
}

void BoardNarrator::eventStarting(int clickedCell)
{
    m_clickedCell = clickedCell;
    m_markPlaced = false;
    m_winningCells.clear();
    m_dialogs.setMessageDescription({});
}

void BoardNarrator::cellWritten(int index, const std::string &text)
{
    if (text.empty())
        return;
    // A mark that no click put there is the computer's: its reply, or its opening move.
    if (index == m_clickedCell)
        m_markPlaced = true;
    else
        m_announcer.announce(computerMoveText(QString::fromStdString(text), index));
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): as FormView::setCellColour
void BoardNarrator::cellColoured(int index, Colour colour)
{
    if (colour != CellWinColour)
        return;
    // The win message opens with the line painted and the cells not yet locked; its description
    // names them, since a locked cell can no longer be visited. A move that completes a row and a
    // column has a message for each: cells painted after a message are the next one's.
    if (m_dialogs.messageDescription().isEmpty())
        m_winningCells.clear();
    if (!m_winningCells.contains(index))
        m_winningCells.insert(std::ranges::upper_bound(m_winningCells, index), index);
    m_dialogs.setMessageDescription(winningCellsText(m_winningCells));
}

void BoardNarrator::eventEnded(const GameState &state)
{
    if (m_markPlaced && !state.VsComputer && !state.GameOver)
        m_announcer.announce(turnText(QString::fromStdString(state.CurrentMark)));
    m_clickedCell = -1;
}
