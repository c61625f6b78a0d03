// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_history.h"

#include <utility>

namespace sw {
namespace {

// Fast deflate: a step of the stress layout costs about a millisecond to keep.
constexpr int kDeflateLevel = 1;

}  // namespace

UndoHistory::Step UndoHistory::Capture(const LayoutDocument& doc, Tag tag, const QString& label) {
    const std::string text = doc.ToText();
    return {qCompress(reinterpret_cast<const uchar*>(text.data()), qsizetype(text.size()), kDeflateLevel),
            tag, label};
}

std::size_t UndoHistory::SizeOf(const Step& step) {
    return std::size_t(step.deflated.capacity()) + std::size_t(step.label.capacity()) * 2 + sizeof(Step);
}

void UndoHistory::Push(std::deque<Step>& stack, Step step) {
    step.deflated.squeeze();
    m_bytes += SizeOf(step);
    stack.push_back(std::move(step));
}

void UndoHistory::Pop(std::deque<Step>& stack, bool back) {
    Step& step = back ? stack.back() : stack.front();
    m_bytes -= SizeOf(step);
    if (back)
        stack.pop_back();
    else
        stack.pop_front();
}

void UndoHistory::Trim() {
    auto over = [this] { return m_undo.size() + m_redo.size() > m_limits.steps || m_bytes > m_limits.bytes; };
    while (over() && m_undo.size() > 1)
        Pop(m_undo, false);
    while (over() && m_redo.size() > 1)
        Pop(m_redo, false);
}

void UndoHistory::Take(const LayoutDocument& doc, Tag tag, const QString& label) {
    while (!m_redo.empty())
        Pop(m_redo, true);
    Push(m_undo, Capture(doc, tag, label));
    Trim();
}

LoadResult UndoHistory::Move(std::deque<Step>& from, std::deque<Step>& to, LayoutDocument& doc,
                             Tag& tag, const QString& nothing) {
    if (from.empty())
        return {false, nothing};
    // The state left behind is where the other direction's step of the same change goes.
    Step current = Capture(doc, tag, from.back().label);
    const QByteArray text = qUncompress(from.back().deflated);
    const LoadResult result = text.isEmpty()
                                  ? LoadResult{false, QStringLiteral("The undo history is damaged.")}
                                  : doc.LoadText(text.toStdString());
    if (result.ok) {
        tag = from.back().tag;
        Push(to, std::move(current));
    }
    Pop(from, true);
    Trim();
    return result;
}

LoadResult UndoHistory::Undo(LayoutDocument& doc, Tag& tag) {
    return Move(m_undo, m_redo, doc, tag, QStringLiteral("Can not undo!"));
}

LoadResult UndoHistory::Redo(LayoutDocument& doc, Tag& tag) {
    return Move(m_redo, m_undo, doc, tag, QStringLiteral("Can not redo!"));
}

void UndoHistory::RenameLast(const QString& label) {
    if (m_undo.empty())
        return;
    Step& step = m_undo.back();
    m_bytes -= SizeOf(step);
    step.label = label;
    m_bytes += SizeOf(step);
}

void UndoHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
    m_bytes = 0;
}

}  // namespace sw
