// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

// Where each cell lies on the board, as a column and row and as the design's rectangle in twips.
// Cells 0 to 8 form the square in rows of three; cell 9 extends the bottom row to the right.
QPoint cellPlace(int index);
QRect cellTwips(int index);
// The cell at that column and row of the board, or -1 where there is none.
int cellAt(QPoint place);
