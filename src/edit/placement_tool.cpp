#include "edit/placement_tool.h"

#include "edit/connectivity_check.h"
#include "edit/automatic_pads.h"
#include "edit/edit_commands.h"
#include "model/kinds.h"
#include "edit/placement_rules.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "edit/dialog_service.h"
#include "session/editor_session.h"

#include <QDateTime>
#include <QRandomGenerator>

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

// Sets an attribute in the order of the calls: a new element gets them in
// this order, a replaced one keeps the places of those it already has.
void Write(pugi::xml_node element, const char* name, const QString& value) {
    SetAttr(element, name, value);
}

}  // namespace

int ClockSeededRandom() {
    QRandomGenerator generator{quint32(QDateTime::currentMSecsSinceEpoch())};
    return int(generator.bounded(2147483647u));
}

PlacementTool::PlacementTool(EditorHost& host) : m_host(host), m_seeds(ClockSeededRandom) {}

void PlacementTool::StartKind(int kindIndex, pugi::xml_node replaceTarget) {
    const CatalogueEntry* entry = FindKind(kindIndex);
    if (!entry)
        return;
    m_target = replaceTarget;
    m_awaitingFirst = true;
    m_awaitingSecond = false;
    m_kind = kindIndex;
    m_connectivity = false;
    m_host.ShowPrompt(QString::fromLatin1(entry->firstPrompt));
    m_host.ShowActiveKind(kindIndex);
}

void PlacementTool::StartConnectivity() {
    m_connectivity = true;
    m_awaitingFirst = true;
    m_awaitingSecond = false;
    m_kind = kind::Jumper;
    m_host.ShowPrompt(QString::fromLatin1(kSourcePrompt));
    m_host.ShowActiveKind(-1);
}

void PlacementTool::DocumentReplaced() { m_target = pugi::xml_node(); }

PointerFeedback PlacementTool::PointerMove(int x, int y, bool overComponent) {
    PointerFeedback feedback;
    const bool near = IsNearHole(x, y);
    auto takeHole = [&] {
        const QPoint hole = PointToHole(x, y, m_host.Document().BoardWidth());
        m_current = {hole.x(), hole.y()};
        feedback.position = PointerFeedback::Position::Show;
        feedback.positionText = QStringLiteral("X: %1 Y: %2").arg(hole.x()).arg(hole.y());
    };
    if (!AwaitingHole() && overComponent) {
        feedback.cursor = BoardCursor::Hand;
    } else if (AwaitingHole() && (near || m_kind == kind::Text)) {
        feedback.cursor = m_kind == kind::Text ? BoardCursor::IBeam : BoardCursor::Hand;
        takeHole();
    } else if (near) {
        feedback.cursor = BoardCursor::Cross;
        takeHole();
    } else {
        feedback.cursor = BoardCursor::Arrow;
        feedback.position = PointerFeedback::Position::Clear;
    }
    m_cursor = feedback.cursor;
    return feedback;
}

void PlacementTool::PointAtHole(Hole hole) {
    m_current = hole;
    m_cursor = !AwaitingHole()        ? BoardCursor::Cross
               : m_kind == kind::Text ? BoardCursor::IBeam
                                      : BoardCursor::Hand;
}

void PlacementTool::LeftClick() {
    const CatalogueEntry* entry = FindKind(m_kind);
    if (!entry)
        return;  // no kind chosen yet
    if (m_awaitingFirst && OverHole() && !entry->oneClick)
        TakeFirstHole();
    else if (m_awaitingSecond && m_connectivity)
        FinishConnectivity();
    else if ((m_awaitingSecond && OverHole()) ||
             (m_awaitingFirst && entry->oneClick && m_kind != kind::Text && OverHole()) ||
             (m_awaitingFirst && m_kind == kind::Text))
        Complete();
}

void PlacementTool::TakeFirstHole() {
    m_awaitingFirst = false;
    m_awaitingSecond = true;
    m_source = m_current;
    const LayoutDocument& doc = m_host.Document();
    m_host.DrawMarkers(PlacementMarkers(m_kind, m_source, doc.BoardWidth(), doc.BoardHeight()));
    m_host.ShowPrompt(QString::fromLatin1(FindKind(m_kind)->secondPrompt));
}

void PlacementTool::FinishConnectivity() {
    m_connectivity = false;
    m_awaitingSecond = false;
    CheckConnection(m_host.Document(), m_source, m_current, m_host.Dialogs());
    m_host.Repaint();
    StartConnectivity();
}

void PlacementTool::Restart() { StartKind(m_kind); }

void PlacementTool::Complete() {
    const CatalogueEntry& entry = *FindKind(m_kind);
    LayoutDocument& doc = m_host.Document();
    DialogService& dialogs = m_host.Dialogs();

    m_host.HintsOff();
    m_awaitingFirst = false;
    m_awaitingSecond = false;
    m_destination = m_current;
    if (entry.oneClick)
        m_source = m_current;

    const PlacementCheck check = CheckPlacement(m_kind, m_source, m_destination);
    if (check.outcome == PlacementCheck::Outcome::Refuse) {
        dialogs.ShowError(check.message);
        Restart();
        m_host.Repaint();
        return;
    }
    if (check.outcome == PlacementCheck::Outcome::Ask &&
        dialogs.Message(MessageKind::Warning, check.message, MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
        Restart();  // the markers stay until the next repaint
        return;
    }

    // A target that left the document (it was replaced under a waiting Replace)
    // is never written to: the placement goes on as a new component.
    pugi::xml_node target = IsChildOfRoot(doc, m_target) ? m_target : pugi::xml_node();
    const bool replacing = bool(target);

    const ValueEditorSetup setup =
        replacing ? ReplaceComponentSetup(entry, target)
                  : NewComponentSetup(entry, doc.NextFreeName(QLatin1String(entry.prefix)),
                                      m_defaults);
    ValueEditorResult result;
    if (entry.HasDialog()) {
        std::optional<ValueEditorResult> answer = dialogs.EditValue(setup);
        if (!answer) {
            m_host.Repaint();
            Restart();
            return;
        }
        result = *answer;
    } else {
        result.name = setup.name;
    }

    EditorSession& session = m_host.Session();
    session.TakeSnapshot();

    const QString oldName = replacing ? TextAttr(target, "Name") : QString();
    pugi::xml_node element = replacing ? target : doc.AppendComponent(entry.element);

    // Value and the extra choice, in the order the file keeps them.
    if (entry.valueKind == ValueKind::Plain)
        Write(element, "Value", result.value);
    else if (entry.valueKind == ValueKind::WithUnit)
        Write(element, "Value", result.value + result.unit);
    if (entry.HasExtra())
        Write(element, entry.extraAttribute, result.extra);
    TakeValueAsDefault(m_defaults, kind::Index(m_kind), result.value);
    if (m_kind == kind::SolderPad || m_kind == kind::Trace || m_kind == kind::Wire)
        m_defaults.lastColour = result.extra;
    if (m_kind == kind::Wire)
        SetAttr(element, "Seed", m_seeds());

    if (replacing)
        DeleteOwnedPads(session, oldName);

    SetAttr(element, "X1", m_source.x);
    SetAttr(element, "Y1", m_source.y);
    if (!entry.oneClick) {
        SetAttr(element, "X2", m_destination.x);
        SetAttr(element, "Y2", m_destination.y);
    }
    Write(element, "Name", result.name);
    session.SetModified(true);

    if (doc.BoardType() == QLatin1String("PCB")) {
        CreateAutomaticPads(doc, m_kind, m_source, m_destination, result.name,
                            m_defaults.padSize);
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

    m_host.Repaint();
    Restart();
}

}  // namespace sw
