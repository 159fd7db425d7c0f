// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/x11_connection.h"

#include <QGuiApplication>

xcb_connection_t *x11Connection()
{
    // The offscreen platform has an X11 interface too, but no connection of the program's own.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}
