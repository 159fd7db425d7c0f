#include "app/application_identity.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon applicationIcon()
{
    // Drawn here rather than by Qt's icon plugin, so that the package's dependencies, read off
    // the linked libraries, cover the icon too.
    QSvgRenderer picture(QStringLiteral(":/icons/org.gorvane.Gorvane.svg"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        picture.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void setApplicationIdentity()
{
    // Dialogs without a title of their own show the application name. No display name is set:
    // on X11 Qt would append it to every dialog title ("Player Number — Gorvane").
    QApplication::setApplicationName(QStringLiteral("Gorvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.gorvane.Gorvane"));
    QApplication::setWindowIcon(applicationIcon());
}
