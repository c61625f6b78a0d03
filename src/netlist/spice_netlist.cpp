// SPDX-License-Identifier: GPL-3.0-or-later
// SPICE decks as ngspice reads them: the first line is the title, "*" starts a
// comment line, ";" (and " $") the rest of a line, "+" continues the line
// before. One element a line, its kind by its first letter; nodes are written
// in pin order. Elements between .subckt and .ends define a subcircuit, not
// parts of the board, and .end ends the deck.

#include "netlist/netlist_readers.h"

#include "netlist/text_lines.h"

#include <string>
#include <unordered_set>

namespace sw {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

std::string UpperText(std::string_view s) {
    std::string out;
    for (char c : s)
        out.push_back(Upper(c));
    return out;
}

std::string_view WithoutComment(std::string_view line) {
    const std::size_t semicolon = line.find(';');
    if (semicolon != std::string_view::npos)
        line = line.substr(0, semicolon);
    const std::size_t dollar = line.find(" $");
    if (dollar != std::string_view::npos)
        line = line.substr(0, dollar);
    return line;
}

// One element or command with its continuation lines joined.
struct Statement {
    std::size_t line;
    std::vector<std::string_view> words;
};

// The statements after the title, up to .end.
std::vector<Statement> Statements(std::string_view text) {
    std::vector<Statement> out;
    TextLines lines(WithoutByteOrderMark(text));
    std::string_view line;
    lines.Next(line);  // the title
    while (lines.Next(line)) {
        line = WithoutComment(line);
        std::vector<std::string_view> words = Words(line);
        if (words.empty() || words[0].front() == '*')
            continue;
        if (words[0].front() == '+') {
            if (out.empty())
                continue;
            if (words[0].size() > 1)
                out.back().words.push_back(words[0].substr(1));
            out.back().words.insert(out.back().words.end(), words.begin() + 1, words.end());
            continue;
        }
        if (UpperText(words[0]) == ".END")
            break;
        out.push_back({lines.Number(), std::move(words)});
    }
    return out;
}

// The nodes of a transistor line: three, or four when the fourth word is not
// a model the deck defines and a fifth follows.
std::size_t BipolarNodes(const Statement& s, const std::unordered_set<std::string>& models) {
    if (s.words.size() >= 6 && !models.count(UpperText(s.words[4])))
        return 4;
    return 3;
}

}  // namespace

std::optional<std::string> ReadSpiceNetlist(std::string_view text, NetlistBuilder& builder) {
    const std::vector<Statement> statements = Statements(text);
    std::unordered_set<std::string> models;
    for (const Statement& s : statements)
        if (s.words.size() >= 2 && UpperText(s.words[0]) == ".MODEL")
            models.insert(UpperText(s.words[1]));

    int depth = 0;  // inside .subckt definitions
    for (const Statement& s : statements) {
        const std::string first = UpperText(s.words[0]);
        if (first.front() == '.') {
            if (first == ".SUBCKT")
                ++depth;
            else if (first == ".ENDS" && depth > 0)
                --depth;
            continue;
        }
        if (depth > 0)
            continue;
        const std::string_view ref = s.words[0];
        std::size_t nodes = 0;
        switch (first.front()) {
        case 'R': case 'C': case 'L': case 'D': nodes = 2; break;
        case 'J': nodes = 3; break;
        case 'Q': nodes = BipolarNodes(s, models); break;
        case 'M': nodes = 4; break;
        case 'X': {
            // X1 n1 n2 ... SUBCKT [params: a=1 | a=1]: the last word before
            // the parameters is the subcircuit.
            std::size_t end = s.words.size();
            for (std::size_t i = 1; i < s.words.size(); ++i)
                if (s.words[i].find('=') != std::string_view::npos ||
                    UpperText(s.words[i]) == "PARAMS:") {
                    end = i;
                    break;
                }
            if (end < 3) {
                builder.Warn(s.line, "the subcircuit call " + std::string(ref) +
                                         " names no nodes; passed over");
                continue;
            }
            nodes = end - 2;
            break;
        }
        case 'V': case 'I': case 'B': case 'E': case 'F': case 'G': case 'H': {
            const int part = builder.AddPart(ref, std::string(), std::string(), s.line);
            builder.MarkSource(part);
            continue;
        }
        default:
            builder.Warn(s.line, std::string(ref) + " is no part a board holds; passed over");
            continue;
        }
        if (s.words.size() < nodes + 1) {
            builder.Warn(s.line, std::string(ref) + " has fewer nodes than its kind needs; "
                                                   "passed over");
            continue;
        }
        std::string value;
        if (s.words.size() > nodes + 1) {
            std::string_view v = s.words[nodes + 1];
            const std::size_t eq = v.find('=');
            if (eq != std::string_view::npos)
                v = v.substr(eq + 1);
            value = std::string(v);
        }
        const int before = builder.PartCount();
        builder.AddPart(ref, value, std::string(), s.line);
        if (builder.PartCount() == before)
            continue;  // a second line of the same name: the first stays
        for (std::size_t i = 0; i < nodes; ++i)
            builder.AddPin(ref, std::to_string(i + 1), builder.Net(s.words[i + 1]), {}, s.line);
    }
    if (depth > 0)
        builder.Warn(statements.empty() ? 1 : statements.back().line,
                     "a .subckt is not closed with .ends");
    return std::nullopt;
}

}  // namespace sw
