// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/zoom_actions.h"

#include "window/design_layout.h"

#include <QAction>
#include <QFontInfo>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int LargeTextPixels = 16;

// The scale in quarters of the design, the steps of the zoom keys. A window's whole pixels seldom
// give an exact quarter, so a scale within a hair of one counts as on it.
qreal inQuarters(qreal scale)
{
    const qreal quarters = scale * 4;
    const qreal nearest = std::round(quarters);
    return std::abs(quarters - nearest) < 0.02 ? nearest : quarters;
}

// The largest scale at which the framed window fits in the screen's available area.
qreal largestScale(const QWidget *window)
{
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize room = window->screen()->availableGeometry().size() - frame;
    return std::max(qreal(1), DesignLayout::scaleFor(room));
}

void zoomTo(QWidget *window, qreal scale)
{
    const QSize size = DesignLayout::sizeFor(std::clamp(scale, qreal(1), largestScale(window)));
    // A step in never makes smaller a window that opened larger than the screen holds.
    const qreal shown = DesignLayout::scaleFor(window->size());
    if (scale > shown && DesignLayout::scaleFor(size) < shown)
        return;
    window->resize(size);
}

} // namespace

QList<QAction *> addZoomActions(QWidget *window)
{
    QList<QAction *> actions;
    const auto addAction = [window, &actions](const QList<QKeySequence> &keys, auto nextQuarters) {
        auto *action = new QAction(window);
        action->setShortcuts(keys);
        QObject::connect(action, &QAction::triggered, window, [window, nextQuarters] {
            zoomTo(window, nextQuarters(inQuarters(DesignLayout::scaleFor(window->size()))) / 4);
        });
        window->addAction(action);
        actions << action;
    };
    QList<QKeySequence> zoomIn = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    // Ctrl+= is Ctrl+Plus without the Shift that many keyboards need for "+".
    if (const QKeySequence equals(Qt::CTRL | Qt::Key_Equal); !zoomIn.contains(equals))
        zoomIn << equals;
    addAction(zoomIn, [](qreal quarters) { return std::floor(quarters) + 1; });
    addAction(QKeySequence::keyBindings(QKeySequence::ZoomOut),
              [](qreal quarters) { return std::ceil(quarters) - 1; });
    addAction({QKeySequence(Qt::CTRL | Qt::Key_0)}, [](qreal /*quarters*/) { return 4.0; });
    return actions;
}

void zoomForTextOf(QWidget *window, int pixels)
{
    const int own = QFontInfo(window->font()).pixelSize();
    if (pixels >= LargeTextPixels && own > 0)
        zoomTo(window, std::ceil(4.0 * pixels / own) / 4);
}
