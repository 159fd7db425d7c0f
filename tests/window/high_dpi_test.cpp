// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"

#include "support/dialog_answerer.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <cmath>

// The window at the scale ctest sets in QT_SCALE_FACTOR (run at 1 and at 2): every logical pixel
// of the layout becomes scale x scale device pixels, and the screenshot shows the same layout,
// drawn at the higher resolution rather than enlarged. Saves the screenshots in the folder named
// by GORVANE_SCREENSHOTS, where given.
class HighDpiTest : public QObject
{
    Q_OBJECT

private:
    QWidget *child(const QString &name) { return m_window->findChild<QWidget *>(name); }
    QImage screenshot() const { return m_window->grab().toImage(); }

    int m_scale = 1;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<DialogAnswerer> m_answerer;

private slots:
    void initTestCase();
    void windowIsScaled();
    void cellGrid_data();
    void cellGrid();
    void title();
    void finishedGame();
};

void HighDpiTest::initTestCase()
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY2(scale >= 1 && std::floor(scale) == scale, "QT_SCALE_FACTOR must be a whole number");
    m_scale = int(scale);
    m_answerer = std::make_unique<DialogAnswerer>(QStringList{"2", "X"});
    m_window = std::make_unique<Form1>();
    m_window->load();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void HighDpiTest::windowIsScaled()
{
    QCOMPARE(m_window->windowHandle()->devicePixelRatio(), qreal(m_scale));
    QCOMPARE(m_window->size(), QSize(326, 255));
    QCOMPARE(screenshot().size(), QSize(326, 255) * m_scale);
}

void HighDpiTest::cellGrid_data()
{
    // A scan line across the board, in logical pixels, and what it crosses: '#' the green inside
    // of a cell, '.' anything else. Neighbouring cells share one border pixel.
    QTest::addColumn<QLine>("line");
    QTest::addColumn<QString>("crossed");
    // From four pixels before the first cell's border: per cell its border and 39 pixels of
    // green, then the last cell's far border and four pixels beyond it.
    const auto cells = [](int count) {
        QString crossed(4, '.');
        for (int i = 0; i < count; ++i)
            crossed += '.' + QString(39, '#');
        return crossed + QString(5, '.');
    };
    const QString nothing(40, '.');
    QTest::newRow("top row, nothing right") << QLine(4, 68, 172, 68) << cells(3) + nothing;
    QTest::newRow("middle row, nothing right") << QLine(4, 108, 172, 108) << cells(3) + nothing;
    QTest::newRow("bottom row with cell 9") << QLine(4, 148, 172, 148) << cells(4);
    QTest::newRow("left column") << QLine(28, 44, 28, 172) << cells(3);
    QTest::newRow("column of cell 9") << QLine(148, 44, 148, 172) << nothing + nothing + cells(1);
}

void HighDpiTest::cellGrid()
{
    QFETCH(QLine, line);
    QFETCH(QString, crossed);

    const QImage image = screenshot();
    const QPoint step = (line.p2() - line.p1()) / std::max(line.dx(), line.dy());
    QString seen;
    QString expected;
    for (QPoint p = line.p1(); p != line.p2() + step; p += step) {
        for (int i = 0; i < m_scale; ++i) {
            const QColor colour = image.pixelColor(p * m_scale + step * i);
            seen += colour.green() > 200 && colour.red() < 60 && colour.blue() < 60 ? '#' : '.';
        }
    }
    for (const QChar c : crossed)
        expected += QString(m_scale, c);
    QCOMPARE(seen, expected);
}

// The title label's text, found by its colour: at its place, the size of its font, and at a
// higher scale drawn at the finer resolution. A picture merely enlarged would be made of whole
// blocks of scale x scale equal pixels.
void HighDpiTest::title()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Gorvane"));
    auto *title = qobject_cast<QLabel *>(child(QStringLiteral("Label5")));
    const QImage image = screenshot();
    const QColor ink = title->palette().color(QPalette::WindowText);
    const auto isInk = [&ink](const QColor &c) {
        return std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green())
            + std::abs(c.blue() - ink.blue())
            < 60;
    };
    QRect inked; // device pixels, above the board, where a focus frame in that colour cannot be
    for (int y = 0; y < 48 * m_scale; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image.pixelColor(x, y)))
                inked |= QRect(x, y, 1, 1);
        }
    }
    const QRect text = QFontMetrics(title->font()).tightBoundingRect(title->text());
    const int tolerance = 2 * m_scale;
    QVERIFY2(QRect(title->geometry().topLeft() * m_scale, title->size() * m_scale).contains(inked),
             qPrintable(QStringLiteral("title drawn at %1,%2").arg(inked.x()).arg(inked.y())));
    QVERIFY(std::abs(inked.left() - (title->x() + text.left()) * m_scale) <= tolerance);
    QVERIFY(std::abs(inked.width() - text.width() * m_scale) <= tolerance);
    QVERIFY(std::abs(inked.height() - text.height() * m_scale) <= tolerance);

    if (m_scale == 1)
        return;
    int blocks = 0;
    int mixedBlocks = 0;
    for (int y = inked.top() / m_scale * m_scale; y <= inked.bottom(); y += m_scale) {
        for (int x = inked.left() / m_scale * m_scale; x <= inked.right(); x += m_scale) {
            const QRgb first = image.pixel(x, y);
            bool mixed = false;
            for (int dy = 0; dy < m_scale; ++dy) {
                for (int dx = 0; dx < m_scale; ++dx)
                    mixed = mixed || image.pixel(x + dx, y + dy) != first;
            }
            ++blocks;
            mixedBlocks += mixed;
        }
    }
    QVERIFY2(mixedBlocks * 10 > blocks,
             qPrintable(QStringLiteral("%1 of %2 blocks mixed").arg(mixedBlocks).arg(blocks)));
}

// A won game, for the README: "X" on the diagonal 1-5-9, yellow up to cell 9.
void HighDpiTest::finishedGame()
{
    for (const int index : {1, 0, 5, 4, 9})
        QTest::mouseClick(child(QStringLiteral("Text1_%1").arg(index)), Qt::LeftButton);
    QCOMPARE(m_answerer->messages(), QStringList{"X has won by diagonal  1"});
    const QImage image = screenshot();
    for (const int index : {1, 5, 9}) {
        // Near the top right corner, away from the mark.
        const QRect cell = child(QStringLiteral("Text1_%1").arg(index))->geometry();
        const QPoint corner = cell.topRight() + QPoint(-4, 4);
        QCOMPARE(image.pixelColor(corner * m_scale), QColor(Qt::yellow));
    }
    const QString folder = qEnvironmentVariable("GORVANE_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(image.save(QDir(folder).filePath(QStringLiteral("gorvane@%1x.png").arg(m_scale))));
    }
}

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
