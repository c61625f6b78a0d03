// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The undo history: the layout document as it was before each of the last
// editing commands, and the states undone since then for Redo. Each step is the
// whole document as XML text, deflated (the 2000-part stress layout's 139 KB
// keep in about 35 KB), with a tag that the caller gives each state so that it
// can tell a state it has seen before (the saved one) when Undo or Redo comes
// back to it, and the name of the change it takes back ("Move R1"), which goes
// with it to the redo side and back.
//
// Bounded twice: at most `steps` states and `bytes` bytes of text kept, undo and
// redo together. Past either bound the oldest undo step goes first, then the
// redo step farthest away; the step Undo or Redo would take next is always kept,
// so one level of undo survives any layout.

#include "model/layout_document.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <deque>

namespace sw {

class UndoHistory {
public:
    using Tag = std::uint64_t;
    struct Limits {
        std::size_t steps = 200;
        std::size_t bytes = std::size_t(16) << 20;
    };

    UndoHistory() = default;
    explicit UndoHistory(Limits limits) : m_limits(limits) {}

    // Keeps the document as it is now, tagged `tag`, as the state the next Undo
    // returns to, and forgets what Redo could replay: a new change ends it.
    // `label` names the change about to be made.
    void Take(const LayoutDocument& doc, Tag tag, const QString& label = {});
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

    // Replaces the document by the last state taken and keeps the document as it
    // was, tagged `tag`, for Redo; `tag` becomes the restored state's tag. With
    // nothing to undo, the result is "Can not undo!" and nothing changes. A step
    // whose text does not parse (it cannot: it was written by the same code) is
    // dropped with the parser's message and the document stays.
    LoadResult Undo(LayoutDocument& doc, Tag& tag);
    // The same in the other direction; with nothing to redo, "Can not redo!".
    LoadResult Redo(LayoutDocument& doc, Tag& tag);
    // Forgets every step (a new or opened layout has nothing to undo or redo).
    void Clear();

    // The names of the changes the next Undo takes back and the next Redo
    // makes again; empty when there is none (or it has no name).
    QString UndoLabel() const { return m_undo.empty() ? QString() : m_undo.back().label; }
    QString RedoLabel() const { return m_redo.empty() ? QString() : m_redo.back().label; }
    // Names the step the next Undo takes back anew.
    void RenameLast(const QString& label);
    std::size_t UndoSteps() const { return m_undo.size(); }
    std::size_t RedoSteps() const { return m_redo.size(); }
    // The bytes the steps hold: their deflated text and bookkeeping.
    std::size_t Bytes() const { return m_bytes; }

private:
    struct Step {
        QByteArray deflated;
        Tag tag;
        QString label;
    };
    static Step Capture(const LayoutDocument& doc, Tag tag, const QString& label);
    static std::size_t SizeOf(const Step& step);
    // Takes the back of `from` into the document and pushes the document as it
    // was onto `to`.
    LoadResult Move(std::deque<Step>& from, std::deque<Step>& to, LayoutDocument& doc, Tag& tag,
                    const QString& nothing);
    void Push(std::deque<Step>& stack, Step step);
    void Pop(std::deque<Step>& stack, bool back);
    void Trim();

    Limits m_limits;
    std::deque<Step> m_undo;  // back: the state Undo returns to
    std::deque<Step> m_redo;  // back: the state Redo returns to
    std::size_t m_bytes = 0;
};

}  // namespace sw
