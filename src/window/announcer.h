// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Tells a screen reader something that happened away from the focus, without moving the focus or
// changing anything on screen. Qt 6.8 and later send an announcement event; earlier versions have
// none, so a notification that only assistive tools see appears instead, which screen readers read
// out as it shows.
class Announcer
{
public:
    explicit Announcer(QWidget *window);

    void announce(const QString &text);

private:
    QPointer<QWidget> m_window;
    QPointer<QObject> m_notification; // the last one, kept until the next has been shown
};
