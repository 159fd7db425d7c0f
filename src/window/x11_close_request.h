// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

#include <cstdint>

// Closes the window when an X11 window manager asks it to (its close button, _NET_CLOSE_WINDOW, a
// WM_DELETE_WINDOW of a session's end), also while a question or a message is open: Qt drops the
// request for a window that a modal dialog blocks, and leaves the player no way out but the
// answer. Elsewhere it does nothing.
class X11CloseRequest : public QAbstractNativeEventFilter
{
public:
    // Watches for the window's close requests from now on.
    explicit X11CloseRequest(QWidget &window);
    ~X11CloseRequest() override;
    X11CloseRequest(const X11CloseRequest &) = delete;
    X11CloseRequest &operator=(const X11CloseRequest &) = delete;
    X11CloseRequest(X11CloseRequest &&) = delete;
    X11CloseRequest &operator=(X11CloseRequest &&) = delete;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QPointer<QWidget> m_window;
    std::uint32_t m_deleteRequest = 0; // the atom WM_DELETE_WINDOW, asked for when first needed
};
