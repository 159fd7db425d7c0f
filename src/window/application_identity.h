// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Names the program and gives its windows the icon, so that desktops match the running game to
// its menu entry. Needs the QApplication to exist.
void setApplicationIdentity();
