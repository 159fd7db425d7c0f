// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QAction;
class QWidget;

// Gives the window zoom in, zoom out and the original size as actions, on the desktop's standard
// keys and Ctrl+0. Each resizes the window by quarters of the design, within the design size and
// the screen. The keys work wherever the focus is in the window, a cell included: a zoom key typed
// there is not text.
QList<QAction *> addZoomActions(QWidget *window);
// Resizes the window to a scale at which its own font is at least `pixels` large, where that is a
// large-text setting (16 pixels or more), within the screen.
void zoomForTextOf(QWidget *window, int pixels);
