// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/held_key_filter.h"

#include "window/x11_connection.h"

#include <QCoreApplication>
#include <QKeyEvent>

// The header names a field "explicit"; Qt's own X11 code includes it the same way.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage,clang-diagnostic-keyword-macro)
#define explicit dont_use_cxx_explicit
#include <xcb/xkb.h>
#undef explicit

#include <cstdint>

namespace {

// Longer than the wait before a held key repeats on any desktop: GNOME's 500 ms, X's 660 ms.
constexpr quint64 RepeatDelayMilliseconds = 750;

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
    , m_onX11(x11Connection() != nullptr)
{
    if (!m_onX11)
        return;
    askForHeldKeysAsHeld();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

HeldKeyFilter::~HeldKeyFilter()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool HeldKeyFilter::nativeEventFilter(const QByteArray &eventType, void *message,
                                      qintptr * /*result*/)
{
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    constexpr std::uint8_t SentByAClient = 0x80;
    if (eventType == "xcb_generic_event_t"
        && (event->response_type & ~SentByAClient) == XCB_KEY_RELEASE
        && static_cast<const xcb_key_release_event_t *>(message)->detail == m_held)
        m_held = 0;
    return false;
}

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-static-cast-downcast): its type is tested above
    const auto *key = static_cast<QKeyEvent *>(event);
    // A key event reaches its window first, once, then each widget it is handed on to.
    const bool first = m_onX11 && event->type() == QEvent::KeyPress && watched->isWindowType();
    // Buttons already ignore a held Space, and in a text box its repeats type blanks.
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        if (first) // the server repeats only the key pressed last
            m_held = 0;
        return false;
    }
    if (key->isAutoRepeat())
        return true;
    if (!first)
        return false;
    const bool repeat = key->nativeScanCode() == m_held
        && key->timestamp() - m_heldPressed <= RepeatDelayMilliseconds;
    m_held = key->nativeScanCode();
    m_heldPressed = key->timestamp();
    return repeat;
}
