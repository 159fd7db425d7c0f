// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: renders the scalable icon to raw ARGB32 pixels, not premultiplied, one file a size
// ("icon-32.argb"), so that the game shows its window icon without rendering or decoding a
// picture at every start. Not premultiplied is the form X11 takes a window icon in (_NET_WM_ICON):
// Qt then converts nothing, for each window, at start-up.
// Usage: render_icon ICON.svg OUTPUT_DIRECTORY SIZE...
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTPUT_DIRECTORY SIZE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "%s: not a picture\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        image = image.convertToFormat(QImage::Format_ARGB32);
        QFile file(output.filePath(QStringLiteral("icon-%1.argb").arg(size)));
        const auto *pixels = reinterpret_cast<const char *>(image.constBits());
        if (!file.open(QIODevice::WriteOnly)
            || file.write(pixels, image.sizeInBytes()) != image.sizeInBytes())
            return 1;
    }
    return 0;
}
