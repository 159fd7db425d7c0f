// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"

#include "support/dialog_answerer.h"
#include "support/window_test_main.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <cmath>

// The window at the scale ctest sets in QT_SCALE_FACTOR (run at 1, 1.25, 1.5, 1.75 and 2): every
// logical pixel of the layout becomes scale x scale device pixels, and the screenshot shows the
// same layout, drawn at the higher resolution rather than enlarged. Saves the screenshots in the
// folder named by GORVANE_SCREENSHOTS, where given.
class HighDpiTest : public QObject
{
    Q_OBJECT

private:
    QWidget *child(const QString &name) { return m_window->findChild<QWidget *>(name); }
    QImage screenshot() const { return m_window->grab().toImage(); }

    qreal m_scale = 1;
    bool m_whole = true; // whole device pixels to a logical one
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
    m_scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY2(m_scale >= 1, "QT_SCALE_FACTOR must be 1 or more");
    m_whole = std::floor(m_scale) == m_scale;
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

// At a fractional scale a logical pixel covers a fractional number of device pixels, so each
// stretch of the scan line may come out one device pixel longer or shorter, but no more: a gap
// between cells would lengthen a border, a doubled line add a stretch.
void HighDpiTest::cellGrid()
{
    QFETCH(QLine, line);
    QFETCH(QString, crossed);

    const auto stretches = [](const QString &text) {
        QList<std::pair<QChar, int>> found;
        for (const QChar c : text) {
            if (found.isEmpty() || found.last().first != c)
                found.append({c, 0});
            ++found.last().second;
        }
        return found;
    };
    const QImage image = screenshot();
    const bool across = line.dy() == 0;
    const int first = int(std::floor((across ? line.x1() : line.y1()) * m_scale));
    const int level = int(std::floor(((across ? line.y1() : line.x1()) + 0.5) * m_scale));
    QString seen;
    for (int i = 0; i < int(std::floor(qreal(crossed.size()) * m_scale)); ++i) {
        const QColor colour =
            image.pixelColor(across ? QPoint(first + i, level) : QPoint(level, first + i));
        seen += colour.green() > 200 && colour.red() < 60 && colour.blue() < 60 ? '#' : '.';
    }
    const auto seenStretches = stretches(seen);
    const auto expected = stretches(crossed);
    QCOMPARE(seenStretches.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const auto [what, length] = seenStretches.at(i);
        QCOMPARE(what, expected.at(i).first);
        QVERIFY2(std::abs(length - expected.at(i).second * m_scale) <= (m_whole ? 0 : 1),
                 qPrintable(QStringLiteral("stretch %1 of %2: %3").arg(i).arg(seen).arg(length)));
    }
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
    const qreal tolerance = 2 * m_scale;
    QVERIFY2(QRect(title->geometry().topLeft() * m_scale, title->size() * m_scale).contains(inked),
             qPrintable(QStringLiteral("title drawn at %1,%2").arg(inked.x()).arg(inked.y())));
    QVERIFY(std::abs(inked.left() - (title->x() + text.left()) * m_scale) <= tolerance);
    QVERIFY(std::abs(inked.width() - text.width() * m_scale) <= tolerance);
    QVERIFY(std::abs(inked.height() - text.height() * m_scale) <= tolerance);

    if (m_scale == 1 || !m_whole)
        return;
    const int scale = int(m_scale);
    int blocks = 0;
    int mixedBlocks = 0;
    for (int y = inked.top() / scale * scale; y <= inked.bottom(); y += scale) {
        for (int x = inked.left() / scale * scale; x <= inked.right(); x += scale) {
            const QRgb first = image.pixel(x, y);
            bool mixed = false;
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx)
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

GORVANE_WINDOW_TEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
