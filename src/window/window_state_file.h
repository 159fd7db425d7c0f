// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>

class QWidget;

// The window's size and whether it is maximised or full screen, kept for the player between runs
// in $XDG_CONFIG_HOME/gorvane/gorvane.conf (~/.config by default), where Qt keeps a program's
// settings. The size carries the zoom step, since zooming resizes the window. The position is not
// kept: window managers place a window well, and Wayland lets no program place its own.
// The file is written shortly after the size or state settles, not only on the way out: a
// logout's signals, or a display that goes away, may end the program before it can write. Only a
// regular file, or none, is read or written; anything else at its place (a FIFO, a link to a
// device) is told on standard error once and left alone.
class WindowStateFile : public QObject
{
public:
    WindowStateFile();

    // Gives the window, not yet shown, the size and state it was left at: within the screen, and
    // never below the size it has (the design's, or the one a large font asks for). A file that
    // holds no window size is told on standard error and left as it is. Then keeps what the
    // window's size and state settle at.
    void restore(QWidget &window);
    // Keeps the window's size and state where they changed since last kept. A file that cannot be
    // written is told on standard error; play goes on as before.
    void save(const QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_fileName;
    bool m_usable = true;
    QSize m_size;
    QString m_state;
    QPointer<QWidget> m_window;
    QTimer m_settled;
};
