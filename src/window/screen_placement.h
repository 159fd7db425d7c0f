// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// A window of that size centred on centre, moved as little as needed to lie within area. Where it
// is larger than the area, its top left corner, where its title is, stays within.
QRect centredWithin(QSize size, QPoint centre, const QRect &area);
