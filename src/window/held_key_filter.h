// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Makes a held Return or Enter act once, in every widget of the program, its dialogs included:
// its repeats are dropped, so that it neither plays a cell again nor answers the message its first
// press opened. Qt flags the repeats it makes itself, as on Wayland. An X server's it tells from
// fresh presses only when the next event has already arrived, so on X11 the server is asked to
// send a held key as held, pressed until released, as GTK asks it, and a press is a repeat when
// the same key was pressed last, has not been released, and was pressed again a moment before,
// whatever its flag says. The moment matters: a release may never reach the program, when the
// desktop moves the keyboard between its windows as a question closes and the next one opens.
class HeldKeyFilter : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit HeldKeyFilter(QObject *parent);
    ~HeldKeyFilter() override;
    HeldKeyFilter(const HeldKeyFilter &) = delete;
    HeldKeyFilter &operator=(const HeldKeyFilter &) = delete;
    HeldKeyFilter(HeldKeyFilter &&) = delete;
    HeldKeyFilter &operator=(HeldKeyFilter &&) = delete;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_onX11 = false;
    quint32 m_held = 0; // the X key code of the Return or Enter pressed last, until released
    quint64 m_heldPressed = 0; // the X server's time of its last press, in milliseconds
};
