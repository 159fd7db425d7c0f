// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/board_places.h"

#include "game/form_view.h"

QPoint cellPlace(int index)
{
    return index < 9 ? QPoint(index % 3, index / 3) : QPoint(3, 2);
}

// On a 600-twip pitch, 615 twips square: neighbours overlap and share their borders.
QRect cellTwips(int index)
{
    const QPoint place = cellPlace(index);
    return {120 + 600 * place.x(), 720 + 600 * place.y(), 615, 615};
}

int cellAt(QPoint place)
{
    for (int index = 0; index < CellCount; ++index) {
        if (cellPlace(index) == place)
            return index;
    }
    return -1;
}
