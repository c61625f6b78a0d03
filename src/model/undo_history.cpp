// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_history.h"

#include <string>
#include <string_view>
#include <utility>

namespace sw {
namespace {

// Fast deflate: a step of the stress layout costs about a millisecond to keep.
constexpr int kDeflateLevel = 1;

const QString kDamaged = QStringLiteral("The undo history is damaged.");

QByteArray Deflate(std::string_view text) {
    return qCompress(reinterpret_cast<const uchar*>(text.data()), qsizetype(text.size()), kDeflateLevel);
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

// The first of the last `count` children of `root`; null when it has fewer.
pugi::xml_node FirstOfLast(pugi::xml_node root, std::size_t count) {
    pugi::xml_node node = root.last_child();
    for (std::size_t i = 1; node && i < count; ++i)
        node = node.previous_sibling();
    return count == 0 ? pugi::xml_node() : node;
}

// The nodes from `first` to the end of its parent, inside one element, written
// raw: read back, they are the same nodes, with nothing added between them.
std::string ChildrenText(pugi::xml_node first) {
    StringWriter out;
    out.text = "<Appended>";
    for (pugi::xml_node node = first; node; node = node.next_sibling())
        node.print(out, "", pugi::format_raw, pugi::encoding_utf8);
    out.text += "</Appended>";
    return std::move(out.text);
}

}  // namespace

UndoHistory::Step UndoHistory::Capture(const LayoutDocument& doc, Tag tag, const QString& label) {
    return {Deflate(doc.ToText()), tag, label};
}

LoadResult UndoHistory::Apply(const Step& step, LayoutDocument& doc) {
    switch (step.form) {
    case Form::Whole: {
        const QByteArray text = qUncompress(step.deflated);
        return text.isEmpty() ? LoadResult{false, kDamaged} : doc.LoadText(text.toStdString());
    }
    case Form::Trimmed: {
        pugi::xml_node first = FirstOfLast(doc.Root(), step.children);
        if (step.children > 0 && !first)
            return {false, kDamaged};
        // The handles of the nodes taken off are gone with them: a new generation.
        pugi::xml_node root = doc.Dom().document_element();
        while (first) {
            pugi::xml_node next = first.next_sibling();
            root.remove_child(first);
            first = next;
        }
        return {true, {}};
    }
    case Form::Extended: {
        const QByteArray text = qUncompress(step.deflated);
        pugi::xml_document parsed;
        pugi::xml_node root = doc.Root();
        if (text.isEmpty() || !root ||
            !parsed.load_buffer(text.constData(), size_t(text.size()), pugi::parse_full, pugi::encoding_utf8))
            return {false, kDamaged};
        doc.Dom();  // a new generation, as after every step
        for (pugi::xml_node child = parsed.document_element().first_child(); child; child = child.next_sibling())
            root.append_copy(child);
        return {true, {}};
    }
    }
    return {false, kDamaged};
}

UndoHistory::Step UndoHistory::Reverse(const Step& step, const LayoutDocument& doc, Tag tag) {
    switch (step.form) {
    case Form::Whole:
        break;
    case Form::Trimmed: {
        Step back{{}, tag, step.label, Form::Extended, step.children};
        if (const pugi::xml_node first = FirstOfLast(doc.Root(), step.children))
            back.deflated = Deflate(ChildrenText(first));
        return back;
    }
    case Form::Extended:
        return {{}, tag, step.label, Form::Trimmed, step.children};
    }
    return Capture(doc, tag, step.label);
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

void UndoHistory::TakeBeforeAppending(Tag tag, const QString& label) {
    while (!m_redo.empty())
        Pop(m_redo, true);
    Push(m_undo, Step{{}, tag, label, Form::Trimmed, 0});
    Trim();
}

void UndoHistory::Appended(std::size_t children) {
    if (!m_undo.empty() && m_undo.back().form == Form::Trimmed)
        m_undo.back().children = children;
}

void UndoHistory::SettleBack(std::deque<Step>& stack, const LayoutDocument& doc) {
    if (stack.empty() || stack.back().form == Form::Whole)
        return;
    Step& step = stack.back();
    LayoutDocument state;
    state.Dom().reset(doc.Dom());
    if (!Apply(step, state).ok)
        return;  // damaged: Undo or Redo says so when it comes to it
    Step whole = Capture(state, step.tag, step.label);
    Pop(stack, true);
    Push(stack, std::move(whole));
}

void UndoHistory::Settle(const LayoutDocument& doc) {
    SettleBack(m_undo, doc);
    SettleBack(m_redo, doc);
    Trim();
}

LoadResult UndoHistory::Move(std::deque<Step>& from, std::deque<Step>& to, LayoutDocument& doc,
                             Tag& tag, const QString& nothing) {
    if (from.empty())
        return {false, nothing};
    // The state left behind is where the other direction's step of the same change goes.
    Step current = Reverse(from.back(), doc, tag);
    const LoadResult result = Apply(from.back(), doc);
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

UndoHistory::NextStep UndoHistory::Next(bool redo) const {
    const std::deque<Step>& stack = redo ? m_redo : m_undo;
    if (stack.empty())
        return {};
    return {stack.back().form, stack.back().children};
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
