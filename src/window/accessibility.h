// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives assistive technology the game's own view of its window: the window as a window named by
// its caption, each cell with a press action that clicks it, read-only text boxes that can be
// read but not written, and text boxes whose every text query answers at once. Qt builds an
// interface only when an assistive tool asks for one.
void installAccessibleInterfaces();
