// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>

class QWidget;

// The window's size and whether it is maximised or full screen, kept for the player between runs
// in $XDG_CONFIG_HOME/gorvane/gorvane.conf (~/.config by default), where Qt keeps a program's
// settings. The size carries the zoom step, since zooming resizes the window. The position is not
// kept: window managers place a window well, and Wayland lets no program place its own.
class WindowStateFile
{
public:
    // Gives the window, not yet shown, the size and state it was left at: within the screen, and
    // never below the size it has (the design's, or the one a large font asks for). A file that
    // holds no window size is told on standard error and left as it is.
    void restore(QWidget &window);
    // Keeps the window's size and state where they changed since restore(). A file that cannot be
    // written is told on standard error; play goes on as before.
    void save(const QWidget &window) const;

private:
    QSize m_size;
    QString m_state;
};
