// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/input_filter.h"

#include "window/cell_edit.h"

#include <QKeyEvent>

bool InputFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Buttons already ignore a held Space, and in a text box its repeats type blanks.
        const auto *key = dynamic_cast<QKeyEvent *>(event);
        const bool acts = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (acts && key->isAutoRepeat())
            return true;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched->isWidgetType() && qobject_cast<CellEdit *>(watched) == nullptr)
            CellEdit::forgetLastPress();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
