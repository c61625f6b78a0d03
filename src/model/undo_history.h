// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The undo history: the layout document as it was before each of the last
// editing commands, and the states undone since then for Redo. A step is the
// whole document as XML text, deflated (the 2000-part stress layout's 139 KB
// keep in about 35 KB), with a tag that the caller gives each state so that it
// can tell a state it has seen before (the saved one) when Undo or Redo comes
// back to it, and the name of the change it takes back ("Move R1"), which goes
// with it to the redo side and back.
//
// A change that only appends children to the root (Paste) keeps less: its undo
// step holds how many children it appended, and Undo takes them off again,
// leaving their text (deflated) as the redo step, which appends them anew. Such
// a step names its state by what differs from the state next to it, so it
// costs what the change appended, whatever the size of the layout; the states
// Undo and Redo return to are the same, byte for byte, as with whole steps.
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
    // The same for a change that only appends children to the root: the step
    // keeps no text, only the number of children appended, which Appended
    // tells it once the change is done.
    void TakeBeforeAppending(Tag tag, const QString& label = {});
    void Appended(std::size_t children);
    // The document is about to change without a step of its own: the next
    // steps of either side that name their state by its difference from the
    // document as it is now are written out whole first, so that Undo and Redo
    // still return to exactly the states they were taken from.
    void Settle(const LayoutDocument& doc);
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

    // How the step the next Undo (with `redo`, the next Redo) would take
    // changes the document: a whole other document, the root's last
    // `children` children taken off, or `children` children appended to it.
    enum class Form : std::uint8_t {
        Whole,     // `deflated`: the whole document
        Trimmed,   // the document without the last `children` children of its root
        Extended,  // the document with the children of `deflated`'s root appended to its root
    };
    struct NextStep {
        Form form = Form::Whole;
        std::size_t children = 0;
    };
    NextStep Next(bool redo) const;

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
        Form form = Form::Whole;
        std::size_t children = 0;
    };
    static Step Capture(const LayoutDocument& doc, Tag tag, const QString& label);
    // The state a step names, made from the document as it is now.
    static LoadResult Apply(const Step& step, LayoutDocument& doc);
    // The step that returns from the state `step` leads to back to the
    // document as it is now.
    static Step Reverse(const Step& step, const LayoutDocument& doc, Tag tag);
    static std::size_t SizeOf(const Step& step);
    // Writes the back step of `stack` whole when it names its state by difference.
    void SettleBack(std::deque<Step>& stack, const LayoutDocument& doc);
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
