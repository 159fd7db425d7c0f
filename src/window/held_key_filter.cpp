// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/held_key_filter.h"

#include "window/x11_connection.h"

#include <QKeyEvent>

// The header names a field "explicit"; Qt's own X11 code includes it the same way.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage,clang-diagnostic-keyword-macro)
#define explicit dont_use_cxx_explicit
#include <xcb/xkb.h>
#undef explicit

namespace {

// Without this the X server sends a held key as a release and a new press at every repeat, and a
// button that Space presses would be clicked by each release.
void askForHeldKeysAsHeld()
{
    xcb_connection_t *connection = x11Connection();
    if (connection == nullptr)
        return;
    constexpr auto Flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto request =
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, Flag, Flag, 0, 0, 0);
    xcb_discard_reply(connection, request.sequence);
    xcb_flush(connection);
}

} // namespace

HeldKeyFilter::HeldKeyFilter(QObject *parent)
    : QObject(parent)
{
    askForHeldKeysAsHeld();
}

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    // Buttons already ignore a held Space, and in a text box its repeats type blanks.
    const auto *key = dynamic_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->isAutoRepeat())
        return true;
    // A key event reaches its window first, once, then each widget it is handed on to.
    if (!watched->isWindowType())
        return false;
    if (event->type() == QEvent::KeyRelease) {
        m_down.remove(key->key());
        return false;
    }
    if (m_down.contains(key->key()))
        return true;
    m_down.insert(key->key());
    return false;
}
