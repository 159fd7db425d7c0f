// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Runs the window's event handlers one at a time. A handler may wait in a modal dialog, whose
// event loop goes on delivering presses: a screen reader's, or a mouse press that reached the
// program in one batch with the dialog's OK. Such a press waits until the running handler has
// ended, then runs as an event of its own, unless its control has been disabled meanwhile (a
// locked cell), since a disabled control raises nothing.
class HandlerQueue
{
public:
    // settled: called each time the last handler waiting has run or been dropped.
    explicit HandlerQueue(std::function<void()> settled);

    // The handler of an event of control: run now, or after those that came before it.
    void run(QWidget *control, std::function<void()> handler);
    // The program is ending: nothing waiting runs, and nothing raised from now on.
    void close();

private:
    struct Event
    {
        QPointer<QWidget> control;
        std::function<void()> handler;
    };

    void runFirst();

    std::deque<Event> m_waiting;
    std::function<void()> m_settled;
    QTimer m_next; // runs the first waiting handler as an event of its own
    bool m_running = false;
    bool m_closed = false;
};
