// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// A number as the score boxes and win messages show it: the sign's place (a blank when not
// negative), then the digits.
inline std::string numberText(int number)
{
    return number < 0 ? std::to_string(number) : " " + std::to_string(number);
}
