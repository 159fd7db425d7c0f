// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QString>

// A piece of a one-line text as an assistive tool asks for it, with its start and end offsets.
struct TextPiece
{
    QString text;
    int start = -1;
    int end = -1;
};

enum class Around { Before, At, After };

// The character, word or sentence at, before or after an offset; a line or a paragraph is the
// whole text, the caret at its end included. The pieces follow one another without gaps, and
// past the last one lies an empty piece at the end. Offsets run from 0 to the text's length, -1
// standing for the end; any other offset gets "" at -1, -1.
TextPiece textPiece(const QString &text, int offset, QAccessible::TextBoundaryType boundary,
                    Around where);
