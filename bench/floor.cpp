// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up: the least a Qt Widgets program does to show a window of the game's
// size and the game's first question, and nothing else.
#include <QApplication>
#include <QInputDialog>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(326, 255);
    window.show();
    QInputDialog::getText(&window, QStringLiteral("Player Number"),
                          QStringLiteral("Select number of players."), QLineEdit::Normal,
                          QStringLiteral("1"));
    return 0;
}
