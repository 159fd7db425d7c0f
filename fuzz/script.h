// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"

#include <algorithm>
#include <string>
#include <string_view>

// The fuzz input, read from the front: one-letter commands, cell digits and lines of text.
class Script
{
public:
    explicit Script(std::string_view bytes)
        : m_rest(bytes)
    {
    }

    bool atEnd() const { return m_rest.empty(); }

    // The next byte; 0 at the end.
    char next()
    {
        if (atEnd())
            return 0;
        const char byte = m_rest.front();
        m_rest.remove_prefix(1);
        return byte;
    }

    // A cell from a digit; any other byte counts modulo the number of cells.
    int cell() { return static_cast<unsigned char>(next() - '0') % CellCount; }

    // The text up to the next line break, which is used up too.
    std::string line()
    {
        const std::size_t end = std::min(m_rest.find('\n'), m_rest.size());
        std::string text(m_rest.substr(0, end));
        m_rest.remove_prefix(std::min(end + 1, m_rest.size()));
        return text;
    }

private:
    std::string_view m_rest;
};
