#include "ui/explorer.h"

#include "model/catalogue.h"
#include "model/layout_document.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

const char* const kLayout =
    "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"C\">"
    "<Resistor Value=\"1K\" X1=\"1\" Y1=\"1\" X2=\"4\" Y2=\"1\" Name=\"R10\"/>"
    "<Pad Value=\"15px\" Color=\"Red\" X1=\"2\" Y1=\"2\" Name=\"P1\"/>"
    "<Resistor Value=\"1K\" X1=\"1\" Y1=\"2\" X2=\"4\" Y2=\"2\" Name=\"R2\"/>"
    "<Gadget Name=\"G1\"/>"
    "<Resistor Value=\"1K\" X1=\"1\" Y1=\"3\" X2=\"4\" Y2=\"3\" Name=\"R1\"/>"
    "<Resistor Value=\"1K\" X1=\"1\" Y1=\"4\" X2=\"4\" Y2=\"4\" Name=\"R10a\"/>"
    "<Resistor Value=\"1K\" X1=\"1\" Y1=\"5\" X2=\"4\" Y2=\"5\" Name=\"R9a\"/>"
    "<Text Value=\"hi\" X1=\"1\" Y1=\"6\" Name=\"A1\"/>"
    "</Layout>";

// Collects the region that a widget is asked to paint.
struct PaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class ExplorerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc.LoadText(kLayout).ok);
        ExplorerHooks hooks;
        hooks.setModified = [this] { ++modifiedCalls; };
        hooks.takeSnapshot = [this] { snapshot = doc.ToText(); };
        hooks.redraw = [this] { ++redraws; };
        hooks.dialogs = [this]() -> DialogService& { return dialogs; };
        tree = std::make_unique<ExplorerTree>(std::move(hooks));
        tree->Rebuild(doc);
    }

    QStringList Children(int kindIndex) const {
        QStringList names;
        QTreeWidgetItem* category = tree->CategoryItem(kindIndex);
        for (int i = 0; i < category->childCount(); ++i)
            names << category->child(i)->text(0);
        return names;
    }
    QTreeWidgetItem* Entry(const char* name) const {
        const auto found = tree->findItems(QLatin1String(name), Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    static int Index(const char* element) { return FindKind(element)->index; }

    LayoutDocument doc;
    ScriptedDialogs dialogs;
    std::unique_ptr<ExplorerTree> tree;
    int modifiedCalls = 0;
    int redraws = 0;
    std::string snapshot;
};

TEST_F(ExplorerTest, CategoriesInCatalogueOrderWithCounts) {
    ASSERT_EQ(tree->topLevelItemCount(), kKindCount);
    for (int i = 0; i < kKindCount; ++i)
        EXPECT_TRUE(tree->topLevelItem(i)->text(0).startsWith(QLatin1String(FindKind(i)->category)))
            << i;
    EXPECT_EQ(tree->CategoryItem(Index("Resistor"))->text(0), QStringLiteral("[Resistors] (5)"));
    EXPECT_EQ(tree->CategoryItem(Index("Pad"))->text(0), QStringLiteral("[Solder Pads] (1)"));
    EXPECT_EQ(tree->CategoryItem(Index("Capacitor"))->text(0), QStringLiteral("[Capacitors]"));
    EXPECT_EQ(modifiedCalls, 1);  // a rebuild counts as a change
}

TEST_F(ExplorerTest, EntriesSortByNumberThenText) {
    EXPECT_EQ(Children(Index("Resistor")),
              (QStringList{"R1", "R2", "R10", "R10a", "R9a"}));
}

TEST_F(ExplorerTest, ResistorsExpandPadsAndTextsStayCollapsedNothingSelected) {
    EXPECT_TRUE(tree->CategoryItem(Index("Resistor"))->isExpanded());
    EXPECT_FALSE(tree->CategoryItem(Index("Pad"))->isExpanded());
    EXPECT_FALSE(tree->CategoryItem(Index("Text"))->isExpanded());
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_TRUE(tree->SelectedElements().empty());
}

TEST_F(ExplorerTest, EntriesHoldTheirElementsAndTheSelectionFollows) {
    QTreeWidgetItem* r2 = Entry("R2");
    ASSERT_TRUE(r2);
    const pugi::xml_node element = ExplorerTree::ElementOf(r2);
    EXPECT_STREQ(element.attribute("Y1").value(), "2");
    EXPECT_FALSE(tree->IsSelected(element));
    r2->setSelected(true);
    EXPECT_TRUE(tree->IsSelected(element));
    ASSERT_EQ(tree->SelectedElements().size(), 1u);
    EXPECT_EQ(tree->SelectedElements().front(), element);
    EXPECT_EQ(tree->EntryOf(element), r2);
}

TEST_F(ExplorerTest, RenameRules) {
    struct Case {
        const char* typed;
        std::optional<MessageAnswer> warning;  // the answer to the long-name question
        const char* expectedName;
        bool snapshotTaken;
        bool modified;  // a new name is an unsaved change
    };
    const Case cases[] = {
        {"R7", std::nullopt, "R7", true, true},
        {"", std::nullopt, "R2", true, false},  // empty keeps the old name
        {"LONG", MessageAnswer::No, "R2", false, false},
        {"LONG", MessageAnswer::Yes, "LONG", true, true},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.warning)
            dialogs.AnswerMessage(*c.warning);
        QTreeWidgetItem* entry = Entry("R2");
        const pugi::xml_node element = ExplorerTree::ElementOf(entry);
        const std::string before = doc.ToText();
        const int modifiedBefore = modifiedCalls;
        tree->ListEdited(entry, QLatin1String(c.typed));
        EXPECT_EQ(modifiedCalls > modifiedBefore, c.modified) << c.typed;
        EXPECT_EQ(entry->text(0), QLatin1String(c.expectedName)) << c.typed;
        EXPECT_STREQ(element.attribute("Name").value(), c.expectedName) << c.typed;
        EXPECT_EQ(!snapshot.empty(), c.snapshotTaken) << c.typed;
        if (c.snapshotTaken)
            EXPECT_EQ(snapshot, before);
        EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Type::Message).size(), c.warning ? 1u : 0u);
        EXPECT_FALSE(tree->Editing());
        EXPECT_TRUE(dialogs.ScriptUsedUp());
        snapshot.clear();
        dialogs = ScriptedDialogs();
    }
}

TEST_F(ExplorerTest, LongNameQuestionText) {
    dialogs.AnswerMessage(MessageAnswer::No);
    tree->ListEdited(Entry("R1"), QStringLiteral("R100"));
    const auto calls = dialogs.CallsOf(ScriptedDialogs::Type::Message);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, MessageKind::Warning);
    EXPECT_EQ(calls[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(calls[0].text, QStringLiteral("It is not recommended to use component names longer "
                                            "than 3 characters. Are you sure?"));
}

TEST_F(ExplorerTest, OnlyComponentEntriesAreEditable) {
    EXPECT_FALSE(tree->CategoryItem(Index("Resistor"))->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(Entry("R1")->flags() & Qt::ItemIsEditable);
}

TEST_F(ExplorerTest, AddOrUpdateSelectsExceptInCollapsedCategories) {
    pugi::xml_node resistor = doc.AppendComponent("Resistor");
    resistor.append_attribute("Name") = "R3";
    tree->AddOrUpdateEntry(resistor, false);
    // The rule is not transitive (R2 < R10 < R10a < R2), so only the orders it
    // fixes are checked: numbered names by number, R9a after R10a.
    auto isOrdered = [this](QStringList names) {
        const QStringList all = Children(Index("Resistor"));
        for (int i = 0; i + 1 < names.size(); ++i)
            if (all.indexOf(names[i]) > all.indexOf(names[i + 1]))
                return false;
        return true;
    };
    EXPECT_TRUE(isOrdered({"R1", "R2", "R3", "R10"})) << Children(Index("Resistor")).join(u' ').toStdString();
    EXPECT_TRUE(isOrdered({"R10a", "R9a"}));
    EXPECT_EQ(tree->CategoryItem(Index("Resistor"))->text(0), QStringLiteral("[Resistors] (6)"));
    EXPECT_TRUE(tree->IsSelected(resistor));

    pugi::xml_node cut = doc.AppendComponent("Cut");
    cut.append_attribute("Name") = "X1";
    tree->AddOrUpdateEntry(cut, false);
    EXPECT_FALSE(tree->IsSelected(cut));
    EXPECT_EQ(tree->CategoryItem(Index("Cut"))->text(0), QStringLiteral("[Cut Track] (1)"));

    // Replacing renames the existing entry instead of adding one.
    resistor.attribute("Name") = "R4";
    tree->AddOrUpdateEntry(resistor, true);
    EXPECT_EQ(Children(Index("Resistor")).size(), 6);
    EXPECT_TRUE(isOrdered({"R1", "R2", "R4", "R10"}));
}

TEST_F(ExplorerTest, ClicksRedrawAndAClickBelowTheEntriesClearsTheSelection) {
    tree->resize(200, 2000);  // tall enough for empty space below the entries
    QTreeWidgetItem* r1 = Entry("R1");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(r1).center());
    EXPECT_TRUE(tree->IsSelected(ExplorerTree::ElementOf(r1)));
    EXPECT_EQ(redraws, 1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(100, 1990));
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_EQ(redraws, 2);
    // While rebuilding or placing, clicks on entries do not redraw.
    tree->SetSuppress(true);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(r1).center());
    EXPECT_EQ(redraws, 2);
}

// Entries are indented at their right end; a change of selection repaints the
// whole row there too, so no highlight is left behind or drawn in part.
TEST_F(ExplorerTest, SelectionChangesRepaintWholeRows) {
    tree->resize(140, 400);
    tree->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tree.get()));
    QTreeWidgetItem* r1 = Entry("R1");
    QTreeWidgetItem* r2 = Entry("R2");
    auto row = [&](QTreeWidgetItem* item) {
        const QRect r = tree->visualItemRect(item);
        return QRegion(0, r.top(), tree->viewport()->width(), r.height());
    };
    tree->setCurrentItem(r1);
    QApplication::processEvents();
    const std::function<void()> changes[] = {
        [&] { tree->setCurrentItem(r2); },                                     // moved
        [&] { r1->setSelected(true); },                                        // Ctrl+click
        [&] { tree->clearSelection(); },                                       // Esc
    };
    for (const auto& change : changes) {
        PaintSpy spy;
        tree->viewport()->installEventFilter(&spy);
        change();
        QApplication::processEvents();
        tree->viewport()->removeEventFilter(&spy);
        EXPECT_TRUE((row(r1) - spy.painted).isEmpty());
        EXPECT_TRUE((row(r2) - spy.painted).isEmpty());
    }
}

// The in-place editor shows the name where the label was: at the right, next
// to the picture, not at the far left of the tree.
TEST_F(ExplorerTest, TheRenameEditorSitsOverTheLabel) {
    tree->resize(140, 400);
    tree->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tree.get()));
    QTreeWidgetItem* r1 = Entry("R1");
    tree->setCurrentItem(r1);
    tree->RenameSelected();
    QApplication::processEvents();
    auto* editor = tree->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    const QImage shot = editor->grab().toImage();
    int firstInk = shot.width();
    for (int y = 3; y < shot.height() - 3; ++y)
        for (int x = 3; x < shot.width() - 3; ++x)
            if (qGray(shot.pixel(x, y)) < 80)
                firstInk = std::min(firstInk, x);
    const int textLeft = editor->mapTo(tree->viewport(), QPoint(firstInk, 0)).x();
    EXPECT_GT(textLeft, tree->viewport()->width() / 2) << "the name starts at " << textLeft;
}

TEST_F(ExplorerTest, ReloadPadsListsEveryPadInDocumentOrder) {
    pugi::xml_node pad = doc.AppendComponent("Pad");
    pad.append_attribute("Name") = "P0";
    tree->ReloadPads(doc);
    EXPECT_EQ(Children(Index("Pad")), (QStringList{"P1", "P0"}));
}

TEST_F(ExplorerTest, RebuildOfAnEmptyLayoutKeepsEveryCategory) {
    LayoutDocument empty;
    tree->Rebuild(empty);
    ASSERT_EQ(tree->topLevelItemCount(), kKindCount);
    for (int i = 0; i < kKindCount; ++i) {
        EXPECT_EQ(tree->topLevelItem(i)->childCount(), 0);
        EXPECT_EQ(tree->topLevelItem(i)->text(0), QLatin1String(FindKind(i)->category));
    }
}

}  // namespace
}  // namespace sw
