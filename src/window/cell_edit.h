// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"

#include <QLineEdit>

// A board cell: an ordinary line edit that takes typed text and also reports a click, by the
// mouse, by Return or Enter, or by an assistive tool's press action. Disabled, it receives no
// mouse or key events and so raises no click. Its accessible description tells what its text
// cannot: that it is empty, or that it lies on the completed line.
class CellEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CellEdit(QWidget *parent = nullptr);

    // The background is one of the board's fixed colours; the text keeps a dark colour that
    // stays legible on each of them, whatever the desktop's colour scheme.
    void setColour(Colour colour);

    // Raises the click, unless the cell has been locked meanwhile.
    Q_INVOKABLE void click();

signals:
    void clicked();
    // An arrow key asks to move the focus by one cell across and down, as the board is laid out.
    void stepRequested(int across, int down);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    Colour m_colour = CellEmptyColour;
    bool m_endsDoubleClick = false;
};

// Watches the mouse presses on every widget of the program, its dialogs' included: after a press
// anywhere but on a cell, the next press on a cell is a press of its own, however soon it follows.
class PressesOffCells : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
