// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the board back from a screenshot of the game window and prints it, one letter a cell
// from 0 to 9: "g" green and blank (free), "r" red with a mark, "y" yellow with a mark, "?"
// anything else. Fails when the window is not 326 x 255 or when anything is drawn beside the board,
// to the right of cells 2, 5 and 9. Usage: e2e_board_check SCREENSHOT
#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdio>

namespace {

// Cell i of 0 to 8 stands in row i / 3 and column i % 3; cell 9 extends the bottom row.
QRect cellRect(int index)
{
    const int column = index < 9 ? index % 3 : 3;
    const int row = index < 9 ? index / 3 : 2;
    return {8 + 40 * column, 48 + 40 * row, 41, 41};
}

bool isDark(const QColor &colour)
{
    return std::max({colour.red(), colour.green(), colour.blue()}) < 100;
}

// A mark is dark text in the middle of the cell, where the red or yellow around it is bright.
bool hasMark(const QImage &image, const QRect &cell)
{
    int dark = 0;
    const QRect middle = cell.adjusted(10, 10, -10, -10);
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x)
            dark += isDark(image.pixelColor(x, y));
    }
    return dark >= 3;
}

char readCell(const QImage &image, int index)
{
    const QRect cell = cellRect(index);
    // Near the top right corner, away from the mark and from a text cursor.
    const QColor c = image.pixelColor(cell.topRight() + QPoint(-4, 4));
    const bool low = c.blue() < 60;
    if (low && c.red() < 60 && c.green() > 200 && !hasMark(image, cell))
        return 'g';
    if (low && c.red() > 200 && c.green() < 60 && hasMark(image, cell))
        return 'r';
    if (low && c.red() > 200 && c.green() > 200 && hasMark(image, cell))
        return 'y';
    return '?';
}

// From the right edge of cells 2 and 5 and above cell 9, and right of cell 9, to the score labels.
bool besideBoardIsBlank(const QImage &image)
{
    const QRgb background = image.pixel(2, 2);
    for (const QRect &area : {QRect(129, 48, 102, 80), QRect(169, 128, 62, 41)}) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixel(x, y) != background) {
                    std::fprintf(stderr, "drawn beside the board at %d,%d\n", x, y);
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SCREENSHOT\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.size() != QSize(326, 255)) {
        std::fprintf(stderr, "%s: %d x %d, not the 326 x 255 window\n", argv[1], image.width(),
                     image.height());
        return 1;
    }
    char board[11] = {};
    for (int index = 0; index < 10; ++index)
        board[index] = readCell(image, index);
    std::puts(board);
    std::fflush(stdout); // before any complaint about the surroundings
    return besideBoardIsBlank(image) ? 0 : 1;
}
