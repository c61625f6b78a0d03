// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_sequence.h"

#include "edit/clipboard_commands.h"
#include "edit/edit_commands.h"
#include "edit/editor_host.h"
#include "edit/placement_tool.h"
#include "edit/selection.h"
#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "edit/dialog_service.h"
#include "session/editor_session.h"
#include "session/layout_census.h"

#include <QImage>
#include <algorithm>
#include <unordered_set>

namespace sw {
namespace {

// The bytes of one command: what to do and five arguments.
struct Command {
    unsigned char op = 0;
    unsigned char arg[kEditCommandBytes - 1] = {};
};

// Clicks reach only the holes a pointer on the board image can reach (the
// extreme coordinates come from the file and from moving and turning): a hole
// a few columns or rows around the board's, at its centre or a few pixels off.
QPoint ClickPixel(const LayoutDocument& doc, unsigned char column, unsigned char row) {
    const int x0 = BoardOriginX(kBoardImageWidth, doc.BoardWidth());
    const QPoint centre = HoleCentre(x0, column % 110 - 5, row % 64 - 5);
    return centre + QPoint(column >> 7, row >> 7) * 7;
}

// The value editor's and input box's answers, chosen by a byte.
QString AnswerText(unsigned char b, const QString& proposed) {
    static const char* const kTexts[] = {"10",     "4.7",  "0px", "-5px", "99999999999px",
                                         "2147483647px", "R1", "",    "  12  ", "1e308px"};
    if (b % 11 == 10)
        return proposed;
    return QString::fromLatin1(kTexts[b % 11]);
}

// Dialogs that answer from the running command's bytes.
class ByteDialogs : public DialogService {
public:
    unsigned char answer = 0;  // the byte the next dialog answers from

    MessageAnswer Message(MessageKind, const QString&, MessageButtons buttons) override {
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        const bool yes = answer & 1;
        if (buttons == MessageButtons::YesNo)
            return yes ? MessageAnswer::Yes : MessageAnswer::No;
        return yes ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> InputBox(const QString&, const QString&, const QString& initial) override {
        if (answer % 13 == 12)
            return std::nullopt;
        return AnswerText(answer, initial);
    }
    bool ShellOpen(const QString&) override { return false; }
    bool HasPrinters() override { return false; }
    bool PrintDialog(QPrinter&) override { return false; }
    std::optional<ValueEditorResult> EditValue(const ValueEditorSetup& setup) override {
        if (answer % 13 == 12)
            return std::nullopt;
        ValueEditorResult result;
        result.name = (answer & 0x80) ? AnswerText(answer >> 3, setup.name) : setup.name;
        result.value = AnswerText(answer, setup.value);
        result.unit = setup.units.isEmpty() ? QString() : setup.units.value(answer % setup.units.size());
        result.extra = setup.extras.isEmpty() ? QString() : setup.extras.value(answer % setup.extras.size());
        return result;
    }
    std::optional<LayoutProperties> EditLayoutProperties(const LayoutProperties&) override {
        return std::nullopt;
    }
};

// The editor without a window: a session, the dialogs, the placement tool.
struct HeadlessEditor {
    HeadlessEditor() { tool.SetSeedSource([this] { return int(dialogs.answer * 7919u); }); }

    EditorSession session;
    ByteDialogs dialogs;
    EditorHost host{session, dialogs};
    PlacementTool tool{host};
    LayoutDocument& doc = session.Document();
    QByteArray layoutText;  // the input's layout, pasted as clipboard text
};

// The components as the explorer lists them, by category, flattened.
std::vector<pugi::xml_node> Entries(const LayoutDocument& doc) {
    std::vector<std::vector<pugi::xml_node>> byKind(kKindCount);
    doc.ForEachComponent([&](pugi::xml_node element, unsigned) {
        if (const std::optional<kind::Index> kind = KindOf(element))
            byKind[size_t(*kind)].push_back(element);
    });
    std::vector<pugi::xml_node> out;
    for (const std::vector<pugi::xml_node>& elements : byKind)
        out.insert(out.end(), elements.begin(), elements.end());
    return out;
}


void ClickHole(HeadlessEditor& editor, unsigned char column, unsigned char row) {
    const QPoint pixel = ClickPixel(editor.doc, column, row);
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= kBoardImageWidth || pixel.y() >= kBoardImageHeight)
        return;  // off the board image: nothing to click
    editor.tool.PointerMove(pixel.x(), pixel.y(), false);
    editor.tool.LeftClick();
}

void Draw(const LayoutDocument& doc) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, RenderOptions{});
}

// Whether the census the session keeps is the one a walk gives: the same
// counts, every name in use, and the same free number after each name's prefix.
bool CensusIsAWalks(EditorSession& session) {
    if (!session.CensusCurrent())
        return true;
    LayoutCensus& kept = session.Census();
    LayoutCensus walked;
    walked.Take(session.Document());
    if (kept.Components() != walked.Components() || kept.SavedBytesAtMost() != walked.SavedBytesAtMost())
        return false;
    for (pugi::xml_node child = session.Document().Root().first_child(); child; child = child.next_sibling()) {
        const std::string_view name = child.attribute("Name").value();
        if (name.empty())
            continue;
        const std::string_view prefix = name.substr(0, name.find_last_not_of("0123456789") + 1);
        if (!kept.InUse(name) || kept.FreeNumber(prefix) != walked.FreeNumber(prefix))
            return false;
    }
    return true;
}

void Apply(HeadlessEditor& editor, const Command& c) {
    editor.dialogs.answer = c.arg[4];
    EditorSession& session = editor.session;
    switch (c.op % 16) {
    case 0: {  // click an entry, or add it to the selection
        const std::vector<pugi::xml_node> entries = Entries(editor.doc);
        if (!entries.empty())
            ClickNode(session, {entries[(size_t(c.arg[0]) << 8 | c.arg[1]) % entries.size()], -1},
                  c.arg[2] & 1);
        break;
    }
    case 1:
        ClickNode(session, {{}, c.arg[0] % kKindCount}, c.arg[1] & 1);
        break;
    case 2: {  // every category added to the selection
        SelectionState selection = session.Selection();
        for (int kind = 0; kind < kKindCount; ++kind)
            selection.AddCategory(kind);
        session.Select(std::move(selection));
        break;
    }
    case 3:
        MoveSelection(editor.host, MoveDirection(c.arg[0] % 4));
        break;
    case 4:
        RotateSelection(editor.host);
        break;
    case 5:
        DeleteSelection(editor.host);
        break;
    case 6:  // Replace, then the holes it asks for
        ReplaceCurrent(editor.host, editor.tool);
        ClickHole(editor, c.arg[0], c.arg[1]);
        ClickHole(editor, c.arg[2], c.arg[3]);
        break;
    case 7:
        ChangeValue(editor.host, editor.tool);
        break;
    case 8:
        ChangeShape(editor.host, int(unsigned(c.arg[0]) << 24 | unsigned(c.arg[1]) << 16 | c.arg[2]));
        break;
    case 9:  // a toolbox item and its holes
        editor.tool.StartKind(c.arg[4] % kKindCount);
        ClickHole(editor, c.arg[0], c.arg[1]);
        ClickHole(editor, c.arg[2], c.arg[3]);
        break;
    case 10:  // Undo, or Redo with the low bit set, as the window does them
        if (c.arg[0] & 1 ? session.CanRedo() : session.CanUndo())
            (c.arg[0] & 1) ? session.Redo() : session.Undo();
        break;
    case 11: {  // save and open again
        LayoutDocument reopened;
        if (reopened.LoadText(editor.doc.ToText()).ok) {
            editor.doc.Dom().reset(reopened.Dom());
            session.ClearUndo();
        }
        break;
    }
    case 12:  // Copy and Paste, at a hole or one hole right and down
        PasteText(editor.host, CopySelectionText(editor.host),
                  c.arg[2] & 1 ? std::optional<Hole>(Hole{c.arg[0] % 110 - 5, c.arg[1] % 64 - 5})
                               : std::nullopt);
        break;
    case 13:  // the input's own bytes pasted as clipboard text
        PasteText(editor.host, editor.layoutText.toStdString());
        break;
    case 14:  // a drag of the selection, ended or cancelled
        if (session.BeginDrag({c.arg[0] % 110 - 5, c.arg[1] % 64 - 5})) {
            session.DragTo({c.arg[2] % 110 - 5, c.arg[3] % 64 - 5});
            (c.arg[4] & 1) ? session.CancelDrag() : void(session.FinishDrag());
        }
        break;
    default:
        Draw(editor.doc);
        break;
    }
}

}  // namespace

EditInput SplitEditInput(const QByteArray& bytes) {
    EditInput input;
    if (bytes.isEmpty())
        return input;
    const qsizetype count = qsizetype(static_cast<unsigned char>(bytes[0]) % (kMaxEditCommands + 1));
    const qsizetype scriptBytes = std::min(count * kEditCommandBytes, bytes.size() - 1);
    input.commands = bytes.mid(1, scriptBytes);
    input.layout = bytes.mid(1 + scriptBytes);
    return input;
}

QByteArray JoinEditInput(const QByteArray& commands, const QByteArray& layout) {
    const qsizetype count = std::min<qsizetype>(commands.size() / kEditCommandBytes, kMaxEditCommands);
    return QByteArray(1, char(count)) + commands.left(count * kEditCommandBytes) + layout;
}

EditOutcome RunEditSequence(const QByteArray& bytes) {
    EditOutcome outcome;
    const EditInput input = SplitEditInput(bytes);
    HeadlessEditor editor;
    const LoadResult loaded = editor.doc.LoadBytes(input.layout, QStringLiteral("layout.swb"));
    if (!loaded.ok) {
        outcome.refusal = loaded.message;
        return outcome;
    }
    outcome.opened = true;
    editor.layoutText = input.layout;
    for (qsizetype at = 0; at + kEditCommandBytes <= input.commands.size(); at += kEditCommandBytes) {
        Command c;
        c.op = static_cast<unsigned char>(input.commands[at]);
        for (int i = 0; i < kEditCommandBytes - 1; ++i)
            c.arg[i] = static_cast<unsigned char>(input.commands[at + 1 + i]);
        Apply(editor, c);
        ++outcome.commandsRun;
        outcome.censusTrue = outcome.censusTrue && CensusIsAWalks(editor.session);
    }

    std::unordered_set<const void*> present;
    for (pugi::xml_node child = editor.doc.Root().first_child(); child; child = child.next_sibling())
        present.insert(child.internal_object());
    const SelectionState& selection = editor.session.Selection();
    for (pugi::xml_node element : selection.Elements())
        if (!present.count(element.internal_object()))
            outcome.selectionInStep = false;
    if (const pugi::xml_node current = editor.session.Current().element)
        outcome.selectionInStep = outcome.selectionInStep && present.count(current.internal_object());
    editor.doc.ForEachComponent([&](pugi::xml_node, unsigned) { ++outcome.components; });

    LayoutDocument reopened;
    const LoadResult again = reopened.LoadText(editor.doc.ToText());
    outcome.reopened = again.ok;
    outcome.reopenProblem = again.message;
    if (editor.session.CanUndo())
        outcome.undoRestores = editor.session.Undo().ok;
    return outcome;
}

}  // namespace sw
