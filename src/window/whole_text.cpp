// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/whole_text.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

void showWholeText(QLineEdit *box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    // Qt's line edit keeps two pixels clear on either side of its text.
    constexpr int LineEditMargin = 2;
    const QMargins margins = box->textMargins();
    const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width()
        - margins.left() - margins.right() - 2 * LineEditMargin;
    const QFont windowFont = box->window()->font();
    QFont font = windowFont;
    for (int pixels = QFontInfo(font).pixelSize() - 1;
         pixels > 0 && QFontMetrics(font).horizontalAdvance(box->text()) > room; --pixels)
        font.setPixelSize(pixels);
    // The window's own font is inherited, so that the box follows it.
    box->setFont(font == windowFont ? QFont() : font);
}
