// SPDX-License-Identifier: GPL-3.0-or-later
#include "netlist/s_expression.h"

namespace sw {
namespace {

// The most elements one text may hold: a netlist of 10 000 parts has about a
// million; past this the memory of the tree, not the text, would be the bound.
constexpr std::size_t kMaxNodes = 2'000'000;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

struct Open {
    std::uint32_t node;       // index + 1 of the list
    std::uint32_t lastChild;  // index + 1 of its last element so far
};

}  // namespace

std::string_view SExpression::Head(const Node& list) const {
    if (!list.list || list.firstChild == 0)
        return {};
    const Node& first = at(list.firstChild);
    return first.list ? std::string_view() : first.atom;
}

std::string_view SExpression::FirstValue(const Node& list) const {
    if (!list.list || list.firstChild == 0)
        return {};
    const std::uint32_t second = at(list.firstChild).next;
    if (second == 0 || at(second).list)
        return {};
    return at(second).atom;
}

const SExpression::Node* SExpression::Child(const Node& list, std::string_view tag) const {
    if (!list.list)
        return nullptr;
    for (std::uint32_t i = list.firstChild; i != 0; i = at(i).next) {
        const Node& child = at(i);
        if (child.list && Head(child) == tag)
            return &child;
    }
    return nullptr;
}

SExpressionResult ReadSExpression(std::string_view text) {
    SExpressionResult result;
    SExpression& e = result.expression;
    std::vector<Open> open;
    auto fail = [&](std::size_t offset, std::string message) {
        result.ok = false;
        result.errorOffset = offset;
        result.error = std::move(message);
        e = SExpression();
        return std::move(result);
    };
    // Adds a node as the next element of the innermost open list.
    auto add = [&](SExpression::Node node) -> bool {
        if (e.nodes.size() >= kMaxNodes)
            return false;
        e.nodes.push_back(node);
        const auto index = std::uint32_t(e.nodes.size());
        if (!open.empty()) {
            Open& parent = open.back();
            if (parent.lastChild == 0)
                e.nodes[parent.node - 1].firstChild = index;
            else
                e.nodes[parent.lastChild - 1].next = index;
            parent.lastChild = index;
        }
        return true;
    };
    const std::string tooMany = "more than " + std::to_string(kMaxNodes) +
                                " elements, far more than a netlist holds";

    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsSpace(c)) {
            ++i;
            continue;
        }
        if (c == '(') {
            if (open.size() >= kMaxExpressionDepth)
                return fail(i, "lists nested deeper than " + std::to_string(kMaxExpressionDepth) +
                                   " levels");
            SExpression::Node node;
            node.list = true;
            node.offset = i;
            if (!add(node))
                return fail(i, tooMany);
            open.push_back({std::uint32_t(e.nodes.size()), 0});
            ++i;
            continue;
        }
        if (c == ')') {
            if (open.empty())
                return fail(i, "a \")\" that closes no list");
            open.pop_back();
            ++i;
            if (open.empty()) {
                result.ok = true;
                return result;
            }
            continue;
        }
        if (e.nodes.empty() && open.empty())
            return fail(i, "text before the first \"(\"");
        SExpression::Node node;
        node.offset = i;
        if (c == '"') {
            std::size_t j = i + 1;
            bool escaped = false;
            while (j < text.size() && text[j] != '"') {
                if (text[j] == '\\') {
                    escaped = true;
                    ++j;
                }
                ++j;
            }
            if (j >= text.size())
                return fail(i, "a string that is not closed with \"");
            node.atom = text.substr(i + 1, j - i - 1);
            if (escaped) {
                std::string plain;
                for (std::size_t k = 0; k < node.atom.size(); ++k) {
                    char ch = node.atom[k];
                    if (ch == '\\' && k + 1 < node.atom.size()) {
                        ch = node.atom[++k];
                        ch = ch == 'n' ? '\n' : ch == 't' ? '\t' : ch == 'r' ? '\r' : ch;
                    }
                    plain.push_back(ch);
                }
                e.unescaped.push_back(std::move(plain));
                node.atom = e.unescaped.back();
            }
            i = j + 1;
        } else {
            std::size_t j = i;
            while (j < text.size() && !IsSpace(text[j]) && text[j] != '(' && text[j] != ')' &&
                   text[j] != '"')
                ++j;
            node.atom = text.substr(i, j - i);
            i = j;
        }
        if (!add(node))
            return fail(node.offset, tooMany);
    }
    if (open.empty())
        return fail(text.size(), "no list at all");
    const std::size_t innermost = e.nodes[open.back().node - 1].offset;
    std::size_t line = 1;
    for (std::size_t k = 0; k < innermost; ++k)
        line += text[k] == '\n';
    return fail(text.size(), "the text ends (is it cut short?) with " + std::to_string(open.size()) +
                                 " lists not closed, the innermost opened on line " +
                                 std::to_string(line));
}

}  // namespace sw
