// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/application_identity.h"
#include "window/form1.h"
#include "window/translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(QLocale::system().uiLanguages());
    setApplicationIdentity();
    Form1 window;
    window.load();
    return QApplication::exec();
}
