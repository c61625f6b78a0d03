// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// S-expressions as KiCad writes its netlists: lists in parentheses of atoms and
// strings in double quotes (with backslash escapes). Read without recursion into
// one flat array, so neither depth nor size can exhaust the stack; nesting is
// bounded all the same, since no netlist needs more than a few levels.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr std::size_t kMaxExpressionDepth = 256;

struct SExpression {
    struct Node {
        bool list = false;
        std::string_view atom;        // an atom's or string's text (unescaped)
        std::uint32_t firstChild = 0;  // index + 1 of the first element, 0 none
        std::uint32_t next = 0;        // index + 1 of the next sibling, 0 none
        std::size_t offset = 0;        // where it begins in the text
    };
    std::vector<Node> nodes;          // nodes[0] is the first expression of the text
    std::deque<std::string> unescaped;  // storage for strings that held escapes

    const Node& at(std::uint32_t indexPlusOne) const { return nodes[indexPlusOne - 1]; }
    // The first atom of a list (its tag), or empty.
    std::string_view Head(const Node& list) const;
    // The text of the first atom after the tag: (ref "R1") -> R1.
    std::string_view FirstValue(const Node& list) const;
    // The first child list of `list` whose head is `tag`, or nullptr.
    const Node* Child(const Node& list, std::string_view tag) const;
};

struct SExpressionResult {
    bool ok = false;
    SExpression expression;
    std::size_t errorOffset = 0;
    std::string error;  // without the position
};

// Reads the first expression of the text; what follows it is left unread.
SExpressionResult ReadSExpression(std::string_view text);

}  // namespace sw
