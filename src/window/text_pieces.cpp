// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/text_pieces.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

bool isWholeLine(QAccessible::TextBoundaryType boundary)
{
    return boundary != QAccessible::CharBoundary && boundary != QAccessible::WordBoundary
        && boundary != QAccessible::SentenceBoundary;
}

// Where each piece starts, and last the text's length.
std::vector<int> pieceStarts(const QString &text, QAccessible::TextBoundaryType boundary)
{
    std::vector<int> starts{0};
    if (isWholeLine(boundary)) {
        if (!text.isEmpty())
            starts.push_back(int(text.size()));
        return starts;
    }
    const auto type = boundary == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme
        : boundary == QAccessible::WordBoundary             ? QTextBoundaryFinder::Word
                                                            : QTextBoundaryFinder::Sentence;
    QTextBoundaryFinder finder(type, text);
    // The finder answers -1 once past the end: strictly rising offsets always stop.
    for (auto next = finder.toNextBoundary(); next > starts.back(); next = finder.toNextBoundary())
        starts.push_back(int(next));
    return starts;
}

} // namespace

TextPiece textPiece(const QString &text, int offset, QAccessible::TextBoundaryType boundary,
                    Around where)
{
    const int length = int(text.size());
    if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length)
        return {};
    const std::vector<int> starts = pieceStarts(text, boundary);
    const int count = int(starts.size()) - 1;
    int index = int(std::ranges::upper_bound(starts, offset) - starts.begin()) - 1;
    if (offset == length && count > 0 && isWholeLine(boundary))
        index = 0;
    index += where == Around::Before ? -1 : where == Around::After ? 1 : 0;
    if (index < 0)
        return {QString(), 0, 0};
    if (index >= count)
        return {QString(), length, length};
    const int start = starts.at(index);
    const int end = starts.at(index + 1);
    return {text.mid(start, end - start), start, end};
}
