// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/x11_close_request.h"

#include "window/x11_connection.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

xcb_atom_t atomNamed(std::string_view name)
{
    xcb_connection_t *connection = x11Connection();
    const auto cookie = xcb_intern_atom(connection, 1, std::uint16_t(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

X11CloseRequest::X11CloseRequest(QWidget &window)
    : m_window(&window)
{
    if (x11Connection() != nullptr)
        QCoreApplication::instance()->installNativeEventFilter(this);
}

X11CloseRequest::~X11CloseRequest()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11CloseRequest::nativeEventFilter(const QByteArray &eventType, void *message,
                                        qintptr * /*result*/)
{
    if (eventType != "xcb_generic_event_t" || m_window == nullptr)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    constexpr std::uint8_t SentByAClient = 0x80;
    if ((event->response_type & ~SentByAClient) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *request = static_cast<const xcb_client_message_event_t *>(message);
    if (request->window != m_window->internalWinId() || request->format != 32)
        return false;
    if (m_deleteRequest == 0)
        m_deleteRequest = atomNamed("WM_DELETE_WINDOW");
    if (request->data.data32[0] != m_deleteRequest)
        return false;
    // As Qt handles the request for a window that no dialog blocks: at once.
    m_window->close();
    return true;
}
