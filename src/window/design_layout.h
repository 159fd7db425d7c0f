// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QWidget;

// Draws the window's design, laid out in twips for 326 x 255 pixels, at one scale factor that
// follows the window's size: the same across and down, the design centred where the window's
// shape differs from it. The factor applies where twips become pixels and where fonts get their
// sizes, and nowhere else. Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0 resize the window by
// quarters of the design, within the design size and the screen.
class DesignLayout : public QObject
{
public:
    static constexpr QSize DesignSize{326, 255};

    explicit DesignLayout(QWidget *window);

    [[nodiscard]] QWidget *window() const { return m_window; }

    // Places the control at its rectangle in twips, now and at every later scale, mirrored in a
    // right-to-left window as Qt mirrors a laid-out one. A control that shows its caption
    // translated names the English, the design's own caption, for fitting the font.
    void place(QWidget *control, const QRect &twips, const QString &english = {});
    // The control's font at the design size; at other scales it grows in proportion.
    void keepFont(QWidget *control, const QFont &font);
    // Gives the window the font, at the design size, in which every one of the captions fits in
    // English: every language is shown at the size English is, its captions written to fit.
    void fitFontToDesign(const std::vector<QWidget *> &captioned);
    // Opens at a scale at which the window's own font is at least `pixels` large, where that is
    // a large-text setting (16 pixels or more), within the screen.
    void openForTextOf(int pixels);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placed
    {
        QWidget *control = nullptr;
        QRect twips;
        QString english;
    };
    struct Sized
    {
        QWidget *control = nullptr;
        QFont font;
    };

    void fitTo(QSize size);
    [[nodiscard]] QRect pixels(const QRect &twips) const;
    void apply(const Placed &placed) const;
    [[nodiscard]] QString englishCaption(const QWidget *control) const;
    void layOut();
    void zoomTo(qreal scale);
    [[nodiscard]] qreal largestScale() const;

    QWidget *m_window;
    qreal m_scale = 1;
    QPoint m_origin;
    QSize m_size = DesignSize;
    std::vector<Placed> m_placed;
    std::vector<Sized> m_sized;
};
