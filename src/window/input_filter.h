// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Watches the input to every widget of the program, its dialogs included. A held Return or Enter
// acts once: its repeats are dropped, so that it neither plays a cell again nor closes the message
// its first press opened. A press anywhere but on a cell is passed on to the cells.
class InputFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
