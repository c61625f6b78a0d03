// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which pin the pointer rests on: over a hole where a part has a pin, the
// status bar's note names it and its net ("D1 pin 2 (cathode); net GND"),
// every part with a pin there in document order. Pads, jumpers and wires are
// copper, not parts, and are left out. Elsewhere on a part's body the note
// names the part and its value ("R1: 10K"). The note goes when the pointer
// leaves the hole and the part, or the board, and when a gesture begins; it
// never names what an edit took away.

#include "edit/pointer_tool.h"
#include "model/hole.h"

#include <QString>
#include <optional>

namespace sw {

class EditorHost;
class LayoutDocument;

// The pins of the parts at `hole`, as the note shows them; empty when no part
// has a pin there.
QString PinsAtHole(const LayoutDocument& doc, Hole hole);
// The name and value of the component of pick key `key` ("R1: 10K", "J1" when
// it has no value); empty when the key names no component.
QString PartNote(const LayoutDocument& doc, unsigned key);

class PinHover : public PointerTool {
public:
    explicit PinHover(EditorHost& host) : m_host(host) {}

    // Never takes the press; the note goes.
    bool Press(const PointerEvent& event) override;
    void Hover(const PointerEvent& event) override;
    // The pointer left the board: the note goes.
    void PointerLeft();
    // The document changed under a pointer at rest (Undo, Delete, a value
    // typed): the pin note is made again for the hole it rests on; the part
    // note, which the board's next picture decides, waits for the next move.
    void DocumentChanged();

private:
    // The note for the pins at `hole` and their net; empty without pins.
    QString PinNoteAt(std::optional<Hole> hole) const;
    void Show(const QString& pins, const QString& part);

    EditorHost& m_host;
    std::optional<Hole> m_hole;  // the hole the note was made for
    unsigned m_key = 0;          // and the pick key
    QString m_shown;      // the pin note
    QString m_partShown;  // the part note
};

}  // namespace sw
