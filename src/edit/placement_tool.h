// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The placement tool: turns clicks on board holes into component elements. It
// works on holes, not pixels: the board's mouse handlers hand it the pointer
// position in board-image pixels and the button. Its state (the kind, the holes
// clicked so far, the Replace target, the pointer's hole and shape, the
// defaults) is the session's `PlacementState`. The same clicks pick the two
// holes of the connectivity check.

#include "edit/editor_host.h"
#include "edit/pointer_tool.h"
#include "edit/value_editor_setup.h"
#include "session/placement_state.h"

#include <QString>
#include <functional>
#include <pugixml.hpp>

namespace sw {

// The status bar's prompt and the active-kind caption in select mode.
inline constexpr const char kSelectPrompt[] =
    "Click a part to select it; drag to select several or to move them";
inline constexpr const char kSelectModeCaption[] = "Select mode";

class PlacementTool : public PointerTool {
public:
    explicit PlacementTool(EditorHost& host);

    // A toolbox item (no target) or Replace (the element to re-place).
    void StartKind(int kindIndex, pugi::xml_node replaceTarget = {});
    // Placing the netlist's part `name`: `kindIndex` started as from the
    // toolbox, and the next new component's dialog filled with the name and
    // `value` (whichever kind is placed) until one is placed.
    void StartNetlistPart(int kindIndex, const QString& name, const QString& value);
    // The "Check Connectivity" command.
    void StartConnectivity();
    // Select mode: no kind, no holes picked; the left button selects.
    void LeaveKind();
    // Esc: a first hole taken is dropped and the kind stays; with none taken
    // the kind (or the connectivity check) is left for select mode.
    enum class EscapeStep { Nothing, DroppedHole, LeftKind };
    EscapeStep Escape();

    // Pointer moved to (x, y) of the board image; `overComponent`: the pick map
    // holds a component there.
    PointerFeedback PointerMove(int x, int y, bool overComponent);
    // A left (or middle) button press on the board; right presses belong to the
    // selection.
    void LeftClick();

    // ---- as a pointer tool ----------------------------------------------------------
    // A press of any button but the right one: the pointer's hole, then the click.
    bool Press(const PointerEvent& event) override;
    // The cursor and the position pane follow the pointer, and the ghost of
    // the part a click would place.
    void Hover(const PointerEvent& event) override;
    // The pointer left the board: the ghost goes.
    void PointerLeft();

    // ---- state (kept in the session) ----------------------------------------------
    int ActiveKind() const;  // -1: none chosen yet
    bool AwaitingFirst() const;
    bool AwaitingSecond() const;
    bool ConnectivityMode() const;
    bool AwaitingHole() const { return AwaitingFirst() || AwaitingSecond(); }
    // Null once the element left the document (deleted, or the document replaced
    // by New, Open or Undo): the placement then goes on as a new component.
    pugi::xml_node ReplaceTarget() const;
    Hole CurrentHole() const;
    BoardCursor Cursor() const;
    // Sets the current hole and the pointer state as a pointer move onto a hole
    // would (for callers that work in holes rather than pixels).
    void PointAtHole(Hole hole);

    PlacementDefaults& Defaults();
    const PlacementDefaults& Defaults() const;
    // The source of wire seeds (0 ... 2147483646); the clock-seeded generator
    // unless replaced.
    void SetSeedSource(std::function<int()> source) { m_seeds = std::move(source); }
    int NextSeed() const { return m_seeds(); }

private:
    PlacementState& State() const;
    void TakeFirstHole();
    void FinishConnectivity();
    // The last click: the rules, the value editor, the element written.
    void Complete();
    // False when the rules refuse the holes or the user says no (the tool
    // starts the kind again).
    bool PassesPlacementRules();
    // The value editor's answer (the proposed name alone for kinds without a
    // dialog); nothing when cancelled.
    std::optional<ValueEditorResult> AskValues(const CatalogueEntry& entry, pugi::xml_node target);
    // One undo step: the attributes in file order, the pads of a PCB, the
    // defaults for the next component.
    void WriteComponent(const CatalogueEntry& entry, pugi::xml_node target,
                        const ValueEditorResult& result);
    void WriteElement(const CatalogueEntry& entry, pugi::xml_node target, const ValueEditorResult& result);
    void Restart();  // the same kind again, without target

    EditorHost& m_host;
    std::function<int()> m_seeds;
};

// A fresh wire seed: a random integer in 0 ... 2147483646 from a generator
// seeded from the clock.
int ClockSeededRandom();

}  // namespace sw
