// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/placement_tool.h"

#include "edit/connectivity_check.h"
#include "edit/automatic_pads.h"
#include "edit/edit_commands.h"
#include "edit/netlist_placing.h"
#include "model/kinds.h"
#include "edit/placement_rules.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"
#include "render/board_geometry.h"
#include "edit/dialog_service.h"
#include "session/editor_session.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>
#include <iterator>

namespace sw {
namespace {

constexpr const char kSourcePrompt[] = "Click on source hole...";

bool IsChildOfRoot(const LayoutDocument& doc, pugi::xml_node node) {
    if (!node)
        return false;
    for (pugi::xml_node child = doc.Root().first_child(); child; child = child.next_sibling())
        if (child == node)
            return true;
    return false;
}

// What a left click does, by the state and where the pointer is.
enum class ClickStep { Nothing, TakeFirstHole, FinishConnectivity, Complete };

ClickStep StepOfClick(const PlacementState& s, const CatalogueEntry& entry, bool overHole) {
    const bool text = s.kind == kind::Text;
    if (s.awaitingFirst && overHole && !entry.oneClick)
        return ClickStep::TakeFirstHole;
    if (s.awaitingSecond && s.connectivity)
        return ClickStep::FinishConnectivity;
    if ((s.awaitingSecond && overHole) || (s.awaitingFirst && entry.oneClick && !text && overHole) ||
        (s.awaitingFirst && text))
        return ClickStep::Complete;
    return ClickStep::Nothing;
}

// The attributes the value editor's answer writes, in the order the file
// keeps them: the value (with its unit) and the extra choice.
std::vector<std::pair<const char*, QString>> ValueAttributes(const CatalogueEntry& entry,
                                                             const ValueEditorResult& result) {
    std::vector<std::pair<const char*, QString>> out;
    if (entry.valueKind == ValueKind::Plain)
        out.emplace_back("Value", result.value);
    else if (entry.valueKind == ValueKind::WithUnit)
        out.emplace_back("Value", result.value + result.unit);
    if (entry.HasExtra())
        out.emplace_back(entry.extraAttribute, result.extra);
    return out;
}

// The hole attributes in file order; the second pair only for two-hole kinds.
struct HoleAttribute {
    const char* name;
    int Hole::*coordinate;
    bool destination;
};
constexpr HoleAttribute kHoleAttributes[] = {
    {"X1", &Hole::x, false}, {"Y1", &Hole::y, false}, {"X2", &Hole::x, true}, {"Y2", &Hole::y, true}};

// The kinds whose colour choice becomes the next one's.
constexpr kind::Index kColourKinds[] = {kind::SolderPad, kind::Trace, kind::Wire};

void RememberDefaults(PlacementDefaults& defaults, kind::Index kind, const ValueEditorResult& result) {
    TakeValueAsDefault(defaults, kind, result.value);
    if (std::find(std::begin(kColourKinds), std::end(kColourKinds), kind) != std::end(kColourKinds))
        defaults.lastColour = result.extra;
}

}  // namespace

int ClockSeededRandom() {
    QRandomGenerator generator{quint32(QDateTime::currentMSecsSinceEpoch())};
    return int(generator.bounded(2147483647u));
}

PlacementTool::PlacementTool(EditorHost& host) : m_host(host), m_seeds(ClockSeededRandom) {}

PlacementState& PlacementTool::State() const { return m_host.Session().Placement(); }

int PlacementTool::ActiveKind() const { return State().kind; }
bool PlacementTool::AwaitingFirst() const { return State().awaitingFirst; }
bool PlacementTool::AwaitingSecond() const { return State().awaitingSecond; }
bool PlacementTool::ConnectivityMode() const { return State().connectivity; }
pugi::xml_node PlacementTool::ReplaceTarget() const { return State().replaceTarget; }
Hole PlacementTool::CurrentHole() const { return State().current; }
BoardCursor PlacementTool::Cursor() const { return State().cursor; }
PlacementDefaults& PlacementTool::Defaults() { return State().defaults; }
const PlacementDefaults& PlacementTool::Defaults() const { return State().defaults; }

void PlacementTool::StartKind(int kindIndex, pugi::xml_node replaceTarget) {
    const CatalogueEntry* entry = FindKind(kindIndex);
    if (!entry)
        return;
    PlacementState& s = State();
    s.replaceTarget = replaceTarget;
    s.awaitingFirst = true;
    s.awaitingSecond = false;
    s.kind = kindIndex;
    s.connectivity = false;
    m_host.ShowGhost({});
    m_host.ShowPrompt(QString::fromLatin1(entry->firstPrompt));
    m_host.ShowActiveKind(kindIndex);
}

void PlacementTool::StartNetlistPart(int kindIndex, const QString& name, const QString& value) {
    if (!FindKind(kindIndex))
        return;
    State().fromNetlist = {name, value};
    StartKind(kindIndex);
}

void PlacementTool::StartConnectivity() {
    PlacementState& s = State();
    s.connectivity = true;
    s.awaitingFirst = true;
    s.awaitingSecond = false;
    s.kind = kind::Jumper;
    m_host.ShowGhost({});
    m_host.ShowPrompt(QString::fromLatin1(kSourcePrompt));
    m_host.ShowActiveKind(-1);
}

void PlacementTool::LeaveKind() {
    PlacementState& s = State();
    s.kind = -1;
    s.awaitingFirst = false;
    s.awaitingSecond = false;
    s.connectivity = false;
    s.replaceTarget = {};
    m_host.ShowMarkers({});
    m_host.ShowGhost({});
    m_host.ShowPrompt(QString::fromLatin1(kSelectPrompt));
    m_host.ShowActiveKind(-1);
}

PlacementTool::EscapeStep PlacementTool::Escape() {
    PlacementState& s = State();
    if (s.awaitingSecond) {
        // The purple dot and the markers go; the same kind (and Replace's
        // target) waits for its first hole again.
        if (s.connectivity)
            StartConnectivity();
        else
            StartKind(s.kind, s.replaceTarget);
        m_host.ShowMarkers({});
        return EscapeStep::DroppedHole;
    }
    if (InSelectMode(s))
        return EscapeStep::Nothing;
    LeaveKind();
    return EscapeStep::LeftKind;
}

bool PlacementTool::Press(const PointerEvent& event) {
    if (event.button == PointerButton::Right)
        return false;  // the selection's
    // The press happens where the pointer last moved; keep the hole in step with it.
    Hover(event);
    LeftClick();
    return true;
}

void PlacementTool::Hover(const PointerEvent& event) {
    m_host.ShowPointer(PointerMove(event.pixel.x(), event.pixel.y(), event.key != 0));
    m_host.ShowGhost(GhostOf(State(), State().cursor == BoardCursor::Hand));
}

void PlacementTool::PointerLeft() { m_host.ShowGhost({}); }

PointerFeedback PlacementTool::PointerMove(int x, int y, bool overComponent) {
    PlacementState& s = State();
    PointerFeedback feedback;
    const bool near = IsNearHole(x, y);
    auto takeHole = [&] {
        const QPoint hole = PointToHole(x, y, m_host.Document().BoardWidth());
        s.current = {hole.x(), hole.y()};
        feedback.position = PointerFeedback::Position::Show;
        feedback.positionText = QStringLiteral("X: %1 Y: %2").arg(hole.x()).arg(hole.y());
    };
    if (!AwaitingHole() && overComponent) {
        feedback.cursor = BoardCursor::Hand;
    } else if (AwaitingHole() && (near || s.kind == kind::Text)) {
        feedback.cursor = s.kind == kind::Text ? BoardCursor::IBeam : BoardCursor::Hand;
        takeHole();
    } else if (near) {
        feedback.cursor = BoardCursor::Cross;
        takeHole();
    } else {
        feedback.cursor = BoardCursor::Arrow;
        feedback.position = PointerFeedback::Position::Clear;
    }
    s.cursor = feedback.cursor;
    return feedback;
}

void PlacementTool::PointAtHole(Hole hole) {
    PlacementState& s = State();
    s.current = hole;
    s.cursor = !AwaitingHole()        ? BoardCursor::Cross
               : s.kind == kind::Text ? BoardCursor::IBeam
                                      : BoardCursor::Hand;
}

void PlacementTool::LeftClick() {
    const CatalogueEntry* entry = FindKind(State().kind);
    if (!entry)
        return;  // no kind chosen yet
    switch (StepOfClick(State(), *entry, State().cursor == BoardCursor::Hand)) {
    case ClickStep::TakeFirstHole:
        TakeFirstHole();
        break;
    case ClickStep::FinishConnectivity:
        FinishConnectivity();
        break;
    case ClickStep::Complete:
        Complete();
        break;
    case ClickStep::Nothing:
        break;
    }
}

void PlacementTool::TakeFirstHole() {
    PlacementState& s = State();
    s.awaitingFirst = false;
    s.awaitingSecond = true;
    s.source = s.current;
    const LayoutDocument& doc = m_host.Document();
    m_host.ShowMarkers(PlacementMarkers(s.kind, s.source, doc.BoardWidth(), doc.BoardHeight()));
    m_host.ShowGhost(GhostOf(s, true));
    m_host.ShowPrompt(QString::fromLatin1(FindKind(s.kind)->secondPrompt));
}

void PlacementTool::FinishConnectivity() {
    PlacementState& s = State();
    s.connectivity = false;
    s.awaitingSecond = false;
    CheckConnection(m_host.Document(), s.source, s.current, m_host.Dialogs());
    m_host.ShowMarkers({});
    StartConnectivity();
}

void PlacementTool::Restart() { StartKind(State().kind); }

void PlacementTool::Complete() {
    PlacementState& s = State();
    const CatalogueEntry& entry = *FindKind(s.kind);
    m_host.HintsOff();
    m_host.ShowGhost({});
    s.awaitingFirst = false;
    s.awaitingSecond = false;
    s.destination = s.current;
    if (entry.oneClick)
        s.source = s.current;
    if (!PassesPlacementRules())
        return;
    // A target that left the document is never written to: the placement goes
    // on as a new component.
    const LayoutDocument& doc = m_host.Document();
    const pugi::xml_node target = IsChildOfRoot(doc, s.replaceTarget) ? s.replaceTarget : pugi::xml_node();
    const std::optional<ValueEditorResult> values = AskValues(entry, target);
    m_host.ShowMarkers({});
    if (!values) {
        Restart();
        return;
    }
    WriteComponent(entry, target, *values);
    if (!target && TakesNetlistName(kind::Index(entry.index)))
        s.fromNetlist = {};  // placed: the next one is the toolbox's again
    Restart();
}

bool PlacementTool::PassesPlacementRules() {
    const PlacementState& s = State();
    DialogService& dialogs = m_host.Dialogs();
    const PlacementCheck check = CheckPlacement(s.kind, s.source, s.destination);
    if (check.outcome == PlacementCheck::Outcome::Refuse) {
        dialogs.ShowError(check.message);
        Restart();
        m_host.ShowMarkers({});
        return false;
    }
    if (check.outcome == PlacementCheck::Outcome::Ask &&
        dialogs.Message(MessageKind::Warning, check.message, MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
        Restart();  // the markers stay until the next repaint
        return false;
    }
    return true;
}

std::optional<ValueEditorResult> PlacementTool::AskValues(const CatalogueEntry& entry,
                                                          pugi::xml_node target) {
    ValueEditorSetup setup =
        target ? ReplaceComponentSetup(entry, target)
               : NewComponentSetup(entry, m_host.Document().NextFreeName(QLatin1String(entry.prefix)),
                                   State().defaults);
    const PlacementState::NetlistPart& part = State().fromNetlist;
    const bool fromNetlist = !target && !part.name.isEmpty() && TakesNetlistName(kind::Index(entry.index));
    if (fromNetlist)
        setup = FilledFromNetlist(std::move(setup), part.name, part.value);
    if (entry.HasDialog())
        return m_host.Dialogs().EditValue(setup);
    ValueEditorResult named;
    named.name = setup.name;
    return named;
}

void PlacementTool::WriteComponent(const CatalogueEntry& entry, pugi::xml_node target,
                                   const ValueEditorResult& result) {
    const QString label = (target ? QStringLiteral("Replace ") : QStringLiteral("Place ")) + Excerpt(result.name);
    m_host.Session().Edit(EditKind::Place, label, [&] {
        WriteElement(entry, target, result);
        return EditResult{};
    });
}

void PlacementTool::WriteElement(const CatalogueEntry& entry, pugi::xml_node target,
                                 const ValueEditorResult& result) {
    EditorSession& session = m_host.Session();
    LayoutDocument& doc = session.Document();
    PlacementState& s = State();
    const kind::Index kind = kind::Index(s.kind);
    const bool replacing = bool(target);
    const QString oldName = replacing ? TextAttr(target, "Name") : QString();
    // Attributes are set in this order: a new element gets them so, a replaced
    // one keeps the places of those it already has.
    const pugi::xml_node element = replacing ? target : doc.AppendComponent(entry.element);
    for (const auto& [name, value] : ValueAttributes(entry, result))
        SetAttr(element, name, value);
    RememberDefaults(s.defaults, kind, result);
    if (kind == kind::Wire)
        SetAttr(element, "Seed", m_seeds());
    if (replacing)
        DeleteOwnedPads(session, oldName);
    for (const HoleAttribute& a : kHoleAttributes)
        if (!a.destination || !entry.oneClick)
            SetAttr(element, a.name, (a.destination ? s.destination : s.source).*a.coordinate);
    SetAttr(element, "Name", result.name);

    if (doc.BoardType() == QLatin1String("PCB")) {
        CreateAutomaticPads(doc, kind, s.source, s.destination, result.name, s.defaults.padSize);
        // A new component follows its pads. It was in the document while they
        // were named, so no pad takes the component's own name (a potentiometer
        // P1 must not get a pad P1 that would then own itself).
        if (!replacing)
            doc.Root().append_move(element);
    }

    // The explorer lists the new component and its pads; a kind whose category
    // starts expanded has its new component selected.
    session.ComponentsChanged();
    if (entry.startsExpanded)
        session.SelectOnly(element);
}

}  // namespace sw
