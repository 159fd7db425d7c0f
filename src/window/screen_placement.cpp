// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/screen_placement.h"

#include <algorithm>

QRect centredWithin(QSize size, QPoint centre, const QRect &area)
{
    QRect placed(QPoint(), size);
    placed.moveCenter(centre);
    placed.moveTo(
        std::max(area.left(), std::min(placed.left(), area.right() + 1 - placed.width())),
        std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - placed.height())));
    return placed;
}
