// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/application_identity.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    Form1 window;
    window.load();
    return QApplication::exec();
}
