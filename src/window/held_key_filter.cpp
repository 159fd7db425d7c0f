// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/held_key_filter.h"

#include <QKeyEvent>

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    // Buttons already ignore a held Space, and in a text box its repeats type blanks.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = dynamic_cast<QKeyEvent *>(event);
        const bool acts = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (acts && key->isAutoRepeat())
            return true;
    }
    return QObject::eventFilter(watched, event);
}
