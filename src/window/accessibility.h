// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives assistive technology the game's own view of its window: the window as a window named by
// its caption, each cell with a press action that clicks it, the cells and score boxes as text that
// can be read but not written, and an input box's answer as text whose every query answers. Every
// other widget keeps Qt's own interface, built only when an assistive tool asks for one.
void installAccessibleInterfaces();
