// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Makes a held Return or Enter act once, in every widget of the program, its dialogs included:
// its repeats are dropped, so that it neither plays a cell again nor closes the message its first
// press opened.
class HeldKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
