// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/text_lines.h"

#include <algorithm>

namespace sw {

LineIndex::LineIndex(std::string_view text) {
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
        m_breaks.push_back(i);
}

std::size_t LineIndex::LineOf(std::size_t offset) const {
    return std::size_t(std::lower_bound(m_breaks.begin(), m_breaks.end(), offset) -
                       m_breaks.begin()) + 1;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r')
            ++j;
        if (j > i)
            words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return text;
}

}  // namespace sw
