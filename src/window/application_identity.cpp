// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/application_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace {

// The game's icon, drawn from the same picture that is installed for the desktop's menus.
QIcon applicationIcon()
{
    // Rendered from the installed picture at build time: raw pixels, one file a size
    // ("icon-32.argb"), stored uncompressed, which cost no decoding at start-up. They are not
    // premultiplied, as X11 takes them: kept so (NoFormatConversion), they are not converted again
    // for every window the icon is set on.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString &file : icons.entryList(QDir::Files)) {
        const int size = QStringView(file).sliced(5).chopped(5).toInt();
        const QByteArray pixels = QResource(icons.filePath(file)).uncompressedData();
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): QImage reads bytes as uchar
        const auto *bits = reinterpret_cast<const uchar *>(pixels.constData());
        const QImage image(bits, size, size, QImage::Format_ARGB32);
        // The copy owns its pixels: a pixmap may go on sharing the image's buffer.
        icon.addPixmap(QPixmap::fromImage(image.copy(), Qt::NoFormatConversion));
    }
    return icon;
}

} // namespace

void setApplicationIdentity()
{
    // Dialogs without a title of their own show the application name. No display name is set:
    // on X11 Qt would append it to every dialog title ("Player Number — Gorvane").
    QApplication::setApplicationName(QStringLiteral("Gorvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.gorvane.Gorvane"));
    QApplication::setWindowIcon(applicationIcon());
}
