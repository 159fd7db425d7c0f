// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QSet>

// Makes a held Return or Enter act once, in every widget of the program, its dialogs included:
// its repeats are dropped, so that it neither plays a cell again nor answers the message its first
// press opened. Platforms do not flag every repeat: X11 sends a held key as presses and releases,
// which Qt tells from fresh ones only when both have already arrived. So on X11 the server is
// asked to send a held key as held, pressed until released, as GTK asks it; and a press of a key
// that is still down is a repeat, whatever its flag says.
class HeldKeyFilter : public QObject
{
public:
    explicit HeldKeyFilter(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSet<int> m_down; // Return or Enter, pressed and not yet released
};
