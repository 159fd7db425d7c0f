// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/handler_queue.h"

#include <utility>

HandlerQueue::HandlerQueue(std::function<void()> settled)
    : m_settled(std::move(settled))
{
    m_next.setSingleShot(true);
    QObject::connect(&m_next, &QTimer::timeout, &m_next, [this] { runFirst(); });
}

void HandlerQueue::run(QWidget *control, std::function<void()> handler)
{
    if (m_closed)
        return;
    m_waiting.push_back({control, std::move(handler)});
    if (!m_running && m_waiting.size() == 1)
        runFirst();
}

void HandlerQueue::close()
{
    m_closed = true;
    m_waiting.clear();
}

void HandlerQueue::runFirst()
{
    if (m_waiting.empty()) // closed meanwhile
        return;
    const Event event = std::move(m_waiting.front());
    m_waiting.pop_front();
    if (event.control != nullptr && event.control->isEnabled()) {
        m_running = true;
        event.handler();
        m_running = false;
    }
    // The next one is an event of its own, after what this one's end has to show.
    if (!m_waiting.empty())
        m_next.start(0);
    else if (!m_closed)
        m_settled();
}
