// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from a mouse click on a cell of the real window to the end of its handling, with the
// computer's reply on the board, and on to the window repainted, over many clicks in
// one-player games at "Advanced".
// Usage: click_latency [clicks]; run on any Qt platform (offscreen in CI).
#include "support/dialog_answerer.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QLineEdit *firstFreeCell(const Form1 &window)
{
    for (int i = 0; i < 10; ++i) {
        auto *cell = window.findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i));
        if (cell->isEnabled() && cell->text().isEmpty())
            return cell;
    }
    return nullptr;
}

double percentile(std::vector<double> samples, double fraction)
{
    std::ranges::sort(samples);
    return samples.at(static_cast<std::size_t>(fraction * double(samples.size() - 1)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;

    DialogAnswerer answerer({"1", "X"}); // later first-mover questions take the default "X"
    Form1 window;
    window.load();
    QTest::mouseClick(window.findChild<QRadioButton *>(QStringLiteral("Option2")), Qt::LeftButton);
    auto *playAgain = window.findChild<QPushButton *>(QStringLiteral("Command1"));

    // A click that opens a message box waits for it to be answered: such clicks are not counted.
    std::vector<double> handled;
    std::vector<double> drawn;
    while (int(handled.size()) < clicks) {
        QLineEdit *cell = firstFreeCell(window);
        if (!cell) {
            QTest::mouseClick(playAgain, Qt::LeftButton);
            continue;
        }
        const qsizetype dialogsBefore = answerer.transcript.size();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(cell, Qt::LeftButton);
        const double handledAfter = double(timer.nsecsElapsed()) / 1e6;
        window.repaint();
        const double drawnAfter = double(timer.nsecsElapsed()) / 1e6;
        if (answerer.transcript.size() == dialogsBefore) {
            handled.push_back(handledAfter);
            drawn.push_back(drawnAfter);
        }
    }
    for (const auto &[what, samples] :
         {std::pair{"handled", &handled}, std::pair{"repainted", &drawn}}) {
        std::printf("%d clicks, %s: median %.3f ms, 99th percentile %.3f ms, worst %.3f ms\n",
                    clicks, what, percentile(*samples, 0.5), percentile(*samples, 0.99),
                    percentile(*samples, 1.0));
    }
    return 0;
}
