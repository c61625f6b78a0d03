#pragma once
// The placement tool: turns clicks on board holes into component elements. It
// works on holes, not pixels: the board's mouse handlers hand it the pointer
// position in board-image pixels and the button, and it keeps the current hole,
// the pointer shape and the placement state. The same clicks pick the two holes
// of the connectivity check.

#include "edit/editor_host.h"
#include "edit/value_editor_setup.h"

#include <QString>
#include <functional>
#include <pugixml.hpp>

namespace sw {

enum class BoardCursor { Arrow, Hand, IBeam, Cross };

// What a pointer move shows: the cursor and the position pane.
struct PointerFeedback {
    BoardCursor cursor = BoardCursor::Arrow;
    enum class Position { Unchanged, Show, Clear } position = Position::Unchanged;
    QString positionText;  // "X: 5 Y: 3" when shown
};

class PlacementTool {
public:
    explicit PlacementTool(EditorHost& host);

    // A toolbox item (no target) or Replace (the element to re-place).
    void StartKind(int kindIndex, pugi::xml_node replaceTarget = {});
    // The "Check Connectivity" command.
    void StartConnectivity();

    // Pointer moved to (x, y) of the board image; `overComponent`: the pick map
    // holds a component there.
    PointerFeedback PointerMove(int x, int y, bool overComponent);
    // A left (or middle) button press on the board; right presses belong to the
    // selection.
    void LeftClick();

    // The document was replaced (New, Open, Undo): a pending Replace carries on
    // as a new placement of the same kind, since its element is gone.
    void DocumentReplaced();

    // ---- state -----------------------------------------------------------------
    int ActiveKind() const { return m_kind; }  // -1: none chosen yet
    bool AwaitingFirst() const { return m_awaitingFirst; }
    bool AwaitingSecond() const { return m_awaitingSecond; }
    bool ConnectivityMode() const { return m_connectivity; }
    bool AwaitingHole() const { return m_awaitingFirst || m_awaitingSecond; }
    pugi::xml_node ReplaceTarget() const { return m_target; }
    Hole CurrentHole() const { return m_current; }
    BoardCursor Cursor() const { return m_cursor; }
    // Sets the current hole and the pointer state as a pointer move onto a hole
    // would (for callers that work in holes rather than pixels).
    void PointAtHole(Hole hole);

    PlacementDefaults& Defaults() { return m_defaults; }
    const PlacementDefaults& Defaults() const { return m_defaults; }
    // The source of wire seeds (0 ... 2147483646); the clock-seeded generator
    // unless replaced.
    void SetSeedSource(std::function<int()> source) { m_seeds = std::move(source); }
    int NextSeed() const { return m_seeds(); }

private:
    bool OverHole() const { return m_cursor == BoardCursor::Hand; }
    void TakeFirstHole();
    void FinishConnectivity();
    void Complete();
    void Restart();  // the same kind again, without target

    EditorHost& m_host;
    int m_kind = -1;
    bool m_awaitingFirst = false;
    bool m_awaitingSecond = false;
    bool m_connectivity = false;
    pugi::xml_node m_target;
    Hole m_current;
    Hole m_source;
    Hole m_destination;
    BoardCursor m_cursor = BoardCursor::Arrow;
    PlacementDefaults m_defaults;
    std::function<int()> m_seeds;
};

// A fresh wire seed: a random integer in 0 ... 2147483646 from a generator
// seeded from the clock.
int ClockSeededRandom();

}  // namespace sw
