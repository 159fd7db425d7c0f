// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Marks a text that the window shows in the player's language. The translation tools collect
// every text so marked, under its context; the game itself goes on with the English.
constexpr const char *translatable(const char * /*context*/, const char *english)
{
    return english;
}
