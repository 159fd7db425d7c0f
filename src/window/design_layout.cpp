// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/design_layout.h"

#include <QFontInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsPerPixel = 15;

// How much of the room its control gives it the English caption takes; above 1 it is cut off. A
// label's size hint is its shown caption and its margins. An option button's adds a margin for the
// focus frame, which the style keeps inside the button, so its text is measured against the room
// right of the indicator.
qreal captionOverRoom(const QWidget *control, const QString &english)
{
    const QFontMetrics metrics = control->fontMetrics();
    const auto *button = qobject_cast<const QRadioButton *>(control);
    if (button == nullptr) {
        const QString shown = control->property("text").toString();
        int width = control->sizeHint().width();
        // In English the shown caption is the design's; nothing else to measure.
        if (shown != english)
            width += metrics.horizontalAdvance(english) - metrics.horizontalAdvance(shown);
        return qreal(width) / control->width();
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = english;
    const QRect room =
        button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    return qreal(metrics.horizontalAdvance(english)) / room.width();
}

// Each edge is rounded on its own, so that controls whose edges meet or overlap in the design
// meet or overlap at every scale: neighbouring cells keep one shared border, without gaps.
QRect pixels(const QRect &twips, qreal scale, QPoint origin)
{
    const auto toPixels = [scale](int twips) { return qRound(twips * scale / TwipsPerPixel); };
    const QPoint topLeft(toPixels(twips.left()), toPixels(twips.top()));
    const QPoint farEdges(toPixels(twips.left() + twips.width()),
                          toPixels(twips.top() + twips.height()));
    return {origin + topLeft, QSize(farEdges.x() - topLeft.x(), farEdges.y() - topLeft.y())};
}

} // namespace

DesignLayout::DesignLayout(QWidget *window)
    : QLayout(window)
{
    setContentsMargins(0, 0, 0, 0);
}

qreal DesignLayout::scaleFor(QSize size)
{
    return std::min(qreal(size.width()) / DesignSize.width(),
                    qreal(size.height()) / DesignSize.height());
}

QSize DesignLayout::sizeFor(qreal scale)
{
    return {int(std::ceil(DesignSize.width() * scale - 1e-6)),
            int(std::ceil(DesignSize.height() * scale - 1e-6))};
}

void DesignLayout::place(QWidget *control, const QRect &twips)
{
    addChildWidget(control);
    m_placed.push_back({std::make_unique<QWidgetItem>(control), twips});
    invalidate();
}

void DesignLayout::addItem(QLayoutItem *item)
{
    m_placed.push_back({std::unique_ptr<QLayoutItem>(item), {}});
    invalidate();
}

QLayoutItem *DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_placed[std::size_t(index)].item.get() : nullptr;
}

QLayoutItem *DesignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    const auto placed = m_placed.begin() + index;
    QLayoutItem *item = placed->item.release();
    m_placed.erase(placed);
    invalidate();
    return item;
}

void DesignLayout::keepFont(QWidget *control, const QFont &font)
{
    m_sized.push_back({control, font});
    invalidate();
}

// The controls were sized for an 8-point system font (11 pixels). Liberation Sans, where
// installed, is about as narrow at 10 pixels. Other fonts would clip the captions, so the font
// steps down to a pixel size at which every caption fits. Pixel steps, because sizes between two
// whole pixels render alike.
void DesignLayout::fitFontToDesign(const std::vector<Caption> &captions)
{
    constexpr int DesignPixels = 11;
    constexpr int NarrowPixels = 10;
    constexpr int SmallestPixels = 8;
    QWidget *window = parentWidget();
    activate(); // the captions are measured against their controls' sizes
    const auto widestOverRoom = [&captions] {
        qreal widest = 0;
        for (const Caption &caption : captions)
            widest = std::max(widest, captionOverRoom(caption.control, caption.english));
        return widest;
    };
    QFont narrow = window->font();
    narrow.setFamily(QStringLiteral("Liberation Sans"));
    narrow.setPixelSize(NarrowPixels);
    const bool hasNarrow = QFontInfo(narrow).family() == narrow.family();
    // Captions grow about in proportion to the font: start from that estimate, so that only one
    // or two sizes are tried, each a font load.
    const int estimate =
        hasNarrow ? NarrowPixels : int(QFontInfo(window->font()).pixelSize() / widestOverRoom());
    QFont designFont = hasNarrow ? narrow : window->font();
    for (int pixels = std::clamp(estimate, SmallestPixels, DesignPixels);; --pixels) {
        designFont.setPixelSize(pixels);
        window->setFont(designFont);
        if (widestOverRoom() <= 1 || pixels <= SmallestPixels)
            break;
    }
    keepFont(window, designFont);
}

// Right to left, mirrored within the window: the design stays centred, its left and right
// swapped, at every size.
void DesignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const qreal scale = scaleFor(rect.size());
    const QSize drawn(qRound(DesignSize.width() * scale), qRound(DesignSize.height() * scale));
    const QPoint origin =
        rect.topLeft() + QPoint(rect.width() - drawn.width(), rect.height() - drawn.height()) / 2;
    const Qt::LayoutDirection direction = parentWidget()->layoutDirection();
    for (const Placed &placed : m_placed) {
        const QRect place =
            QStyle::visualRect(direction, rect, pixels(placed.twips, scale, origin));
        // The design fixes a control's size, whatever its size policy would let a layout give it.
        if (QWidget *control = placed.item->widget())
            control->setGeometry(place);
        else
            placed.item->setGeometry(place);
    }
    scaleFonts(scale);
}

void DesignLayout::scaleFonts(qreal scale)
{
    for (const Sized &sized : m_sized) {
        QFont font = sized.font;
        // Whole pixels, rounded down: text grows no faster than the control that holds it.
        if (font.pixelSize() > 0)
            font.setPixelSize(int(font.pixelSize() * scale + 1e-6));
        else
            font.setPointSizeF(font.pointSizeF() * scale);
        if (sized.control->font() != font)
            sized.control->setFont(font);
    }
}
