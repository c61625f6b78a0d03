// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of a text with their numbers, for the line-based readers, and the
// line a byte offset lies on, for the others' messages.

#include <cstddef>
#include <string_view>
#include <vector>

namespace sw {

// Splits at "\n" (a "\r" before it is dropped); line numbers start at 1.
class TextLines {
public:
    explicit TextLines(std::string_view text) : m_rest(text) {}
    // The next line, or false at the end of the text.
    bool Next(std::string_view& line) {
        if (m_done)
            return false;
        const std::size_t end = m_rest.find('\n');
        line = m_rest.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (end == std::string_view::npos)
            m_done = true;
        else
            m_rest.remove_prefix(end + 1);
        ++m_number;
        return true;
    }
    std::size_t Number() const { return m_number; }

private:
    std::string_view m_rest;
    std::size_t m_number = 0;
    bool m_done = false;
};

// The 1-based line of a byte offset, from the offsets of the line breaks.
class LineIndex {
public:
    explicit LineIndex(std::string_view text);
    std::size_t LineOf(std::size_t offset) const;

private:
    std::vector<std::size_t> m_breaks;
};

// The whitespace-separated words of a line.
std::vector<std::string_view> Words(std::string_view line);

// The text without a UTF-8 byte order mark at its start.
std::string_view WithoutByteOrderMark(std::string_view text);

}  // namespace sw
