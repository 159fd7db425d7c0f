// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"

#include <string>

/* 0 <= cell < CellCount for all three */
bool isFree(const FormView &form, int cell);
void placeMark(FormView &form, int cell, const std::string &mark);
void clearCell(FormView &form, int cell);

bool anyCellFree(const FormView &form);
