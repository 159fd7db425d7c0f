// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the text of a message box from its screenshot: draws a message box with the expected
// text here, on the same X server and so in the same style and fonts, and compares the two where
// the text stands, pixel for pixel. Usage: e2e_message_check SCREENSHOT TEXT
#include "window/application_identity.h"
#include "window/message_dialogs.h"

#include <QApplication>
#include <QImage>
#include <QLabel>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: e2e_message_check SCREENSHOT TEXT\n");
        return 2;
    }
    const QImage shot = QImage(arguments[1]).convertToFormat(QImage::Format_RGB32);

    // The game's own box, drawn without showing it on the screen, where it could cover the game's
    // windows. Untitled, it is as wide as the application's name needs.
    setApplicationIdentity();
    const std::unique_ptr<QMessageBox> box = messageBox(arguments[2], nullptr);
    box->setAttribute(Qt::WA_DontShowOnScreen);
    box->show();
    const QImage expected = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shot.size() != expected.size()) {
        std::fprintf(stderr, "the box is %d x %d; one with that text is %d x %d\n", shot.width(),
                     shot.height(), expected.width(), expected.height());
        return 1;
    }
    // Pixel by pixel: the screenshot file may name a colour space that the drawing lacks.
    const QRect text = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->geometry();
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int x = text.left(); x <= text.right(); ++x) {
            if (shot.pixel(x, y) != expected.pixel(x, y)) {
                std::fprintf(stderr, "the box shows another text (from %d,%d)\n", x, y);
                return 1;
            }
        }
    }
    return 0;
}
