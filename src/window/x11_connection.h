// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct xcb_connection_t;

// The program's connection to its X server, or null where it runs on another platform.
xcb_connection_t *x11Connection();
