// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/board.h"

// Any text at all, even a typed blank, makes a cell taken.
bool isFree(const FormView &form, int cell)
{
    return form.cellText(cell).empty();
}

void placeMark(FormView &form, int cell, const std::string &mark)
{
    form.setCellText(cell, mark);
    form.setCellColour(cell, CellTakenColour);
}

void clearCell(FormView &form, int cell)
{
    form.setCellText(cell, "");
    form.setCellColour(cell, CellEmptyColour);
}

// A loop rather than views::iota, which clang 14 cannot compile against libstdc++ 12; the fuzz
// build uses clang.
bool anyCellFree(const FormView &form)
{
    for (int cell = 0; cell < CellCount; ++cell) {
        if (isFree(form, cell))
            return true;
    }
    return false;
}
