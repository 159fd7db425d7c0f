// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QLayout>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

// Lays out the window's design, drawn in twips for 326 x 255 pixels, at one scale factor that
// follows the window's size: the same across and down, the design centred where the window's
// shape differs from it. The factor applies where twips become pixels and where fonts get their
// sizes, and nowhere else. The window is never smaller than the design.
class DesignLayout : public QLayout
{
public:
    static constexpr QSize DesignSize{326, 255};

    explicit DesignLayout(QWidget *window);

    // The scale at which a window of that size shows the design.
    [[nodiscard]] static qreal scaleFor(QSize size);
    // The window's size that shows the design at the scale, rounded up so that no part is cut off.
    [[nodiscard]] static QSize sizeFor(qreal scale);

    // A control's caption in the design's own English, whatever language it shows.
    struct Caption
    {
        QWidget *control = nullptr;
        QString english;
    };

    // Places the control at its rectangle in twips, mirrored in a right-to-left window as Qt
    // mirrors a laid-out one.
    void place(QWidget *control, const QRect &twips);
    // The control's font at the design size; at other scales it grows in proportion.
    void keepFont(QWidget *control, const QFont &font);
    // Gives the window the font, at the design size, in which every one of the captions fits in
    // English: every language is shown at the size English is, its captions written to fit.
    void fitFontToDesign(const std::vector<Caption> &captions);

    // An item added without a rectangle of its own takes no room.
    void addItem(QLayoutItem *item) override;
    [[nodiscard]] QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    [[nodiscard]] int count() const override { return int(m_placed.size()); }
    [[nodiscard]] QSize sizeHint() const override { return DesignSize; }
    [[nodiscard]] QSize minimumSize() const override { return DesignSize; }
    void setGeometry(const QRect &rect) override;

private:
    struct Placed
    {
        std::unique_ptr<QLayoutItem> item;
        QRect twips;
    };
    struct Sized
    {
        QWidget *control = nullptr;
        QFont font;
    };

    void scaleFonts(qreal scale);

    std::vector<Placed> m_placed;
    std::vector<Sized> m_sized;
};
