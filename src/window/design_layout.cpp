// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/design_layout.h"

#include <QEvent>
#include <QFontInfo>
#include <QKeySequence>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal TwipsPerPixel = 15;
constexpr int LargeTextPixels = 16;

// The window's size that shows the design at `scale`, rounded up so that no part is cut off.
QSize sizeAt(qreal scale)
{
    return {int(std::ceil(DesignLayout::DesignSize.width() * scale - 1e-6)),
            int(std::ceil(DesignLayout::DesignSize.height() * scale - 1e-6))};
}

// The scale in quarters of the design, the steps of the zoom keys. A window's whole pixels seldom
// give an exact quarter, so a scale within a hair of one counts as on it.
qreal inQuarters(qreal scale)
{
    const qreal quarters = scale * 4;
    const qreal nearest = std::round(quarters);
    return std::abs(quarters - nearest) < 0.02 ? nearest : quarters;
}

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

} // namespace

DesignLayout::DesignLayout(QWidget *window)
    : m_window(window)
{
    m_window->setMinimumSize(DesignSize);
    m_window->resize(DesignSize);
    m_window->installEventFilter(this);

    // The keys work wherever the focus is, a cell included: a zoom key typed there is not text.
    const auto zoomKeys = [this](const QList<QKeySequence> &keys, auto scaleFor) {
        auto *shortcut = new QShortcut(m_window);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, scaleFor] { zoomTo(scaleFor()); });
    };
    QList<QKeySequence> zoomIn = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    // Ctrl+= is Ctrl+Plus without the Shift that many keyboards need for "+".
    if (const QKeySequence equals(Qt::CTRL | Qt::Key_Equal); !zoomIn.contains(equals))
        zoomIn << equals;
    zoomKeys(zoomIn, [this] { return (std::floor(inQuarters(m_scale)) + 1) / 4; });
    zoomKeys(QKeySequence::keyBindings(QKeySequence::ZoomOut),
             [this] { return (std::ceil(inQuarters(m_scale)) - 1) / 4; });
    zoomKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [] { return 1.0; });
}

void DesignLayout::place(QWidget *control, const QRect &twips, const QString &english)
{
    m_placed.push_back({control, twips, english});
    apply(m_placed.back());
}

void DesignLayout::keepFont(QWidget *control, const QFont &font)
{
    m_sized.push_back({control, font});
    layOut();
}

// The controls were sized for an 8-point system font (11 pixels). Liberation Sans, where
// installed, is about as narrow at 10 pixels. Other fonts would clip the captions, so the font
// steps down to a pixel size at which every caption fits. Pixel steps, because sizes between two
// whole pixels render alike.
void DesignLayout::fitFontToDesign(const std::vector<QWidget *> &captioned)
{
    constexpr int DesignPixels = 11;
    constexpr int NarrowPixels = 10;
    constexpr int SmallestPixels = 8;
    std::vector<QString> english;
    english.reserve(captioned.size());
    for (const QWidget *control : captioned)
        english.push_back(englishCaption(control));
    const auto widestOverRoom = [&captioned, &english] {
        qreal widest = 0;
        for (std::size_t index = 0; index < captioned.size(); ++index)
            widest = std::max(widest, captionOverRoom(captioned[index], english[index]));
        return widest;
    };
    QFont narrow = m_window->font();
    narrow.setFamily(QStringLiteral("Liberation Sans"));
    narrow.setPixelSize(NarrowPixels);
    const bool hasNarrow = QFontInfo(narrow).family() == narrow.family();
    // Captions grow about in proportion to the font: start from that estimate, so that only one
    // or two sizes are tried, each a font load.
    const int estimate =
        hasNarrow ? NarrowPixels : int(QFontInfo(m_window->font()).pixelSize() / widestOverRoom());
    QFont designFont = hasNarrow ? narrow : m_window->font();
    for (int pixels = std::clamp(estimate, SmallestPixels, DesignPixels);; --pixels) {
        designFont.setPixelSize(pixels);
        m_window->setFont(designFont);
        if (widestOverRoom() <= 1 || pixels <= SmallestPixels)
            break;
    }
    keepFont(m_window, designFont);
}

void DesignLayout::openForTextOf(int pixels)
{
    const int own = QFontInfo(m_window->font()).pixelSize();
    if (pixels >= LargeTextPixels && own > 0)
        zoomTo(std::ceil(4.0 * pixels / own) / 4);
}

// The English caption the control was placed with, or the caption it shows.
QString DesignLayout::englishCaption(const QWidget *control) const
{
    const auto placed =
        std::find_if(m_placed.begin(), m_placed.end(),
                     [control](const Placed &each) { return each.control == control; });
    if (placed != m_placed.end() && !placed->english.isEmpty())
        return placed->english;
    return control->property("text").toString();
}

bool DesignLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        fitTo(m_window->size());
    else if (watched == m_window && event->type() == QEvent::LayoutDirectionChange)
        layOut();
    return QObject::eventFilter(watched, event);
}

void DesignLayout::fitTo(QSize size)
{
    if (size == m_size)
        return;
    m_size = size;
    m_scale = std::min(qreal(size.width()) / DesignSize.width(),
                       qreal(size.height()) / DesignSize.height());
    const QSize drawn(qRound(DesignSize.width() * m_scale), qRound(DesignSize.height() * m_scale));
    m_origin = QPoint(size.width() - drawn.width(), size.height() - drawn.height()) / 2;
    layOut();
}

// Each edge is rounded on its own, so that controls whose edges meet or overlap in the design
// meet or overlap at every scale: neighbouring cells keep one shared border, without gaps.
QRect DesignLayout::pixels(const QRect &twips) const
{
    const auto toPixels = [this](int twips) { return qRound(twips * m_scale / TwipsPerPixel); };
    const QPoint topLeft(toPixels(twips.left()), toPixels(twips.top()));
    const QPoint farEdges(toPixels(twips.left() + twips.width()),
                          toPixels(twips.top() + twips.height()));
    return {m_origin + topLeft, QSize(farEdges.x() - topLeft.x(), farEdges.y() - topLeft.y())};
}

// Right to left, mirrored within the window: the design stays centred, its left and right
// swapped, at every size.
void DesignLayout::apply(const Placed &placed) const
{
    placed.control->setGeometry(
        QStyle::visualRect(m_window->layoutDirection(), m_window->rect(), pixels(placed.twips)));
}

void DesignLayout::layOut()
{
    for (const Placed &placed : m_placed)
        apply(placed);
    for (const Sized &sized : m_sized) {
        QFont font = sized.font;
        // Whole pixels, rounded down: text grows no faster than the control that holds it.
        if (font.pixelSize() > 0)
            font.setPixelSize(int(font.pixelSize() * m_scale + 1e-6));
        else
            font.setPointSizeF(font.pointSizeF() * m_scale);
        if (sized.control->font() != font)
            sized.control->setFont(font);
    }
}

void DesignLayout::zoomTo(qreal scale)
{
    m_window->resize(sizeAt(std::clamp(scale, qreal(1), largestScale())));
    fitTo(m_window->size());
}

// The largest scale at which the framed window fits in the screen's available area.
qreal DesignLayout::largestScale() const
{
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    const QSize room = m_window->screen()->availableGeometry().size() - frame;
    return std::max(qreal(1),
                    std::min(qreal(room.width()) / DesignSize.width(),
                             qreal(room.height()) / DesignSize.height()));
}
