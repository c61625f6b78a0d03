// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/explorer.h"

#include "model/catalogue.h"
#include "model/layout_document.h"
#include "session/editor_session.h"
#include "session/layout_fragment.h"
#include "ui/explorer_order.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace sw {
namespace {

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
        hooks.rename = [this](pugi::xml_node element, const QString& typed) {
            renames.push_back({element, typed});
        };
        tree = std::make_unique<ExplorerTree>(session, std::move(hooks));
        tree->Rebuild();
        // The board follows the session's selection.
        session.Observe([this](SessionChange change) { selectionChanges += change == SessionChange::Selection; });
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

    // The selected entries' names, checked to be the session's selection.
    QStringList ShownSelection() const {
        QStringList names;
        int elements = 0;
        for (QTreeWidgetItem* item : tree->selectedItems()) {
            names << item->text(0);
            const pugi::xml_node element = ExplorerTree::ElementOf(item);
            elements += bool(element);
            EXPECT_TRUE(!element || session.Selection().Contains(element)) << item->text(0).toStdString();
        }
        EXPECT_EQ(int(session.Selection().Elements().size()), elements);
        names.sort();
        return names;
    }

    EditorSession session;
    LayoutDocument& doc = session.Document();
    std::unique_ptr<ExplorerTree> tree;
    int selectionChanges = 0;
    std::vector<std::pair<pugi::xml_node, QString>> renames;
};

TEST_F(ExplorerTest, CategoriesInCatalogueOrderWithCounts) {
    ASSERT_EQ(tree->topLevelItemCount(), kKindCount);
    for (int i = 0; i < kKindCount; ++i)
        EXPECT_TRUE(tree->topLevelItem(i)->text(0).startsWith(QLatin1String(FindKind(i)->category)))
            << i;
    EXPECT_EQ(tree->CategoryItem(Index("Resistor"))->text(0), QStringLiteral("[Resistors] (5)"));
    EXPECT_EQ(tree->CategoryItem(Index("Pad"))->text(0), QStringLiteral("[Solder Pads] (1)"));
    EXPECT_EQ(tree->CategoryItem(Index("Capacitor"))->text(0), QStringLiteral("[Capacitors]"));
    EXPECT_FALSE(session.Modified());  // showing the layout changes nothing in it
}

// Every item shows its kind's picture, the same shared icon for a category
// and all its entries: no entry keeps a pixmap of its own.
TEST_F(ExplorerTest, CategoriesAndEntriesShowTheirKindsOneIcon) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = tree->topLevelItem(i);
        const QIcon icon = category->icon(0);
        ASSERT_FALSE(icon.isNull()) << category->text(0).toStdString();
        for (int j = 0; j < category->childCount(); ++j)
            EXPECT_EQ(category->child(j)->icon(0).cacheKey(), icon.cacheKey()) << category->child(j)->text(0).toStdString();
    }
    EXPECT_NE(tree->CategoryItem(Index("Resistor"))->icon(0).cacheKey(),
              tree->CategoryItem(Index("Pad"))->icon(0).cacheKey());
}

// A paste merges its entries into the sorted categories: the tree then lists
// what a rebuild lists, each category in order by the compare rule, the
// entries that were there in their order, the pasted ones selected.
TEST_F(ExplorerTest, PastedPartsAreMergedIntoTheirSortedCategories) {
    const struct {
        const char* what;
        const char* parts;
        bool renameFirst;  // a renamed entry keeps its place: the whole tree is sorted
    } cases[] = {
        {"after every entry", R"(<Resistor Value="1K" X1="1" Y1="7" X2="4" Y2="7" Name="R20"/>)", false},
        {"between entries", R"(<Resistor Value="1K" X1="1" Y1="7" X2="4" Y2="7" Name="R5"/><Resistor Value="1K" X1="1" Y1="8" X2="4" Y2="8" Name="R0"/>)", false},
        {"taken names and new kinds", R"(<Resistor Value="1K" X1="1" Y1="7" X2="4" Y2="7" Name="R2"/><Capacitor Value="1n" X1="1" Y1="8" X2="4" Y2="8" Name="C1"/><Pad Value="15px" X1="3" Y1="3" Name="P1"/>)", false},
        {"after a rename", R"(<Resistor Value="1K" X1="1" Y1="7" X2="4" Y2="7" Name="R5"/>)", true},
    };
    auto listed = [this] {
        std::vector<QStringList> out;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            out.emplace_back();
            for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j)
                out.back() << tree->topLevelItem(i)->child(j)->text(0);
        }
        return out;
    };
    auto sortedCopy = [](std::vector<QStringList> lists) {
        for (QStringList& list : lists) list.sort();
        return lists;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(session.ReplaceDocument({}, [](LayoutDocument& d) { return d.LoadText(kLayout); }).ok);
        if (c.renameFirst)
            session.Edit(EditKind::Rename, QStringLiteral("Rename"), [&] {
                session.RenameComponent(ExplorerTree::ElementOf(Entry("R1")), QStringLiteral("R99"));
                return EditResult{};
            });
        const std::vector<QStringList> before = listed();
        const std::string fragment = std::string("<LayoutFragment>") + c.parts + "</LayoutFragment>";
        const PasteResult pasted = PasteFragment(session, fragment);
        ASSERT_EQ(pasted.status, FragmentStatus::Parts);
        const std::vector<QStringList> shown = listed();
        const QStringList selected = ShownSelection();
        EXPECT_EQ(selected.size(), qsizetype(pasted.pasted.size()));
        if (!c.renameFirst)
            for (size_t i = 0; i < shown.size(); ++i) {
                const int picture = tree->topLevelItem(int(i))->data(0, Qt::UserRole + 1).toInt();
                for (qsizetype j = 1; j < shown[i].size(); ++j)
                    EXPECT_LE(ListCompare(picture, shown[i][j - 1], picture, shown[i][j]), 0) << shown[i][j].toStdString();
                QStringList kept = shown[i];
                kept.removeIf([&](const QString& name) { return !before[i].contains(name) || selected.contains(name); });
                EXPECT_EQ(kept, before[i]);
            }
        tree->Rebuild();
        EXPECT_EQ(sortedCopy(shown), sortedCopy(listed()));
        EXPECT_EQ(selected, ShownSelection());
    }
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
    EXPECT_TRUE(ShownSelection().isEmpty());
}

TEST_F(ExplorerTest, EntriesHoldTheirElementsAndShowTheSessionsSelection) {
    QTreeWidgetItem* r2 = Entry("R2");
    ASSERT_TRUE(r2);
    const pugi::xml_node element = ExplorerTree::ElementOf(r2);
    EXPECT_STREQ(element.attribute("Y1").value(), "2");
    EXPECT_EQ(tree->EntryOf(element), r2);
    // Selecting in the tree selects in the session...
    r2->setSelected(true);
    EXPECT_TRUE(session.Selection().Contains(element));
    tree->CategoryItem(Index("Text"))->setSelected(true);
    EXPECT_TRUE(session.Selection().CategorySelected(Index("Text")));
    // ... and what the session selects, the tree shows, with the cursor on it.
    session.SelectOnly(ExplorerTree::ElementOf(Entry("A1")));
    EXPECT_EQ(ShownSelection(), QStringList{"A1"});
    EXPECT_EQ(tree->currentItem(), Entry("A1"));
    EXPECT_TRUE(tree->CategoryItem(Index("Text"))->isExpanded());
    // A rebuilt tree shows the selection still.
    tree->Rebuild();
    EXPECT_EQ(ShownSelection(), QStringList{"A1"});
}

TEST_F(ExplorerTest, EditingInPlaceEndsInTheRenameHook) {
    QTreeWidgetItem* entry = Entry("R2");
    tree->ListEdited(entry, QStringLiteral("R7"));
    ASSERT_EQ(renames.size(), 1u);
    EXPECT_EQ(renames[0].first, ExplorerTree::ElementOf(entry));
    EXPECT_EQ(renames[0].second, "R7");
    EXPECT_FALSE(tree->Editing());
    // The tree shows the name once the session has it.
    EXPECT_EQ(entry->text(0), "R2");
    session.RenameComponent(renames[0].first, QStringLiteral("R7"));
    EXPECT_EQ(entry->text(0), "R7");
    // Categories carry no element: nothing to rename.
    tree->ListEdited(tree->CategoryItem(Index("Resistor")), QStringLiteral("X"));
    EXPECT_EQ(renames.size(), 1u);
}

TEST_F(ExplorerTest, OnlyComponentEntriesAreEditable) {
    EXPECT_FALSE(tree->CategoryItem(Index("Resistor"))->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(Entry("R1")->flags() & Qt::ItemIsEditable);
}

TEST_F(ExplorerTest, NewComponentsAreListedSortedAndCounted) {
    pugi::xml_node resistor = doc.AppendComponent("Resistor");
    resistor.append_attribute("Name") = "R3";
    session.ComponentsChanged();
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
    EXPECT_TRUE(ShownSelection().isEmpty());

    pugi::xml_node cut = doc.AppendComponent("Cut");
    cut.append_attribute("Name") = "X1";
    session.ComponentsChanged();
    EXPECT_EQ(tree->CategoryItem(Index("Cut"))->text(0), QStringLiteral("[Cut Track] (1)"));

    // A renamed component keeps its one entry.
    session.RenameComponent(resistor, QStringLiteral("R4"));
    EXPECT_EQ(Children(Index("Resistor")).size(), 6);
    EXPECT_TRUE(Children(Index("Resistor")).contains("R4"));
}

TEST_F(ExplorerTest, RemovedComponentsLeaveTheTreeAndItsSelection) {
    QTreeWidgetItem* p1 = Entry("P1");
    p1->setSelected(true);
    Entry("R1")->setSelected(true);
    session.RemoveComponents({ExplorerTree::ElementOf(p1)});
    EXPECT_TRUE(Children(Index("Pad")).isEmpty());
    EXPECT_EQ(tree->CategoryItem(Index("Pad"))->text(0), QLatin1String(FindKind("Pad")->category));
    EXPECT_EQ(ShownSelection(), QStringList{"R1"});
}

TEST_F(ExplorerTest, ClicksSelectInTheSessionAndAClickBelowTheEntriesClearsTheSelection) {
    tree->resize(200, 2000);  // tall enough for empty space below the entries
    QTreeWidgetItem* r1 = Entry("R1");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(r1).center());
    EXPECT_EQ(ShownSelection(), QStringList{"R1"});
    EXPECT_EQ(session.Current().element, ExplorerTree::ElementOf(r1));
    EXPECT_GE(selectionChanges, 1);
    const int changes = selectionChanges;
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(100, 1990));
    EXPECT_TRUE(ShownSelection().isEmpty());
    EXPECT_TRUE(session.Selection().Empty());
    EXPECT_GT(selectionChanges, changes);
}

// Only the left button counts below the entries: a right or middle click there
// leaves the selection as it was.
TEST_F(ExplorerTest, OnlyALeftClickBelowTheEntriesClearsTheSelection) {
    tree->resize(200, 2000);
    const struct {
        Qt::MouseButton button;
        bool clears;
    } cases[] = {{Qt::RightButton, false}, {Qt::MiddleButton, false}, {Qt::LeftButton, true}};
    for (const auto& c : cases) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(Entry("R2")).center());
        ASSERT_EQ(ShownSelection(), QStringList{"R2"});
        QTest::mouseClick(tree->viewport(), c.button, {}, QPoint(100, 1990));
        EXPECT_EQ(ShownSelection().isEmpty(), c.clears) << c.button;
        EXPECT_EQ(session.Selection().Empty(), c.clears) << c.button;
    }
}

// A name the session gives (Replace) puts the entry in its place in the order;
// a name typed in place keeps the entry where it is until the next sort.
TEST_F(ExplorerTest, ARenameByReplaceSortsTheTreeAndOneTypedInPlaceDoesNot) {
    ExplorerHooks hooks;
    hooks.rename = [this](pugi::xml_node element, const QString& typed) {
        session.RenameComponent(element, typed);
    };
    ExplorerTree renaming(session, std::move(hooks));
    renaming.Rebuild();
    const auto names = [&renaming] {
        QStringList list;
        QTreeWidgetItem* category = renaming.CategoryItem(FindKind("Resistor")->index);
        for (int i = 0; i < category->childCount(); ++i)
            list << category->child(i)->text(0);
        return list;
    };
    ASSERT_EQ(names().first(), "R1");
    const auto entryNamed = [&renaming](const char* name) {
        return renaming.findItems(QLatin1String(name), Qt::MatchExactly | Qt::MatchRecursive).value(0);
    };
    renaming.ListEdited(entryNamed("R1"), QStringLiteral("R99"));
    EXPECT_EQ(names().first(), "R99");  // typed in place: still first
    session.RenameComponent(ExplorerTree::ElementOf(entryNamed("R2")), QStringLiteral("R98"));
    const QStringList sorted = names();
    EXPECT_GT(sorted.indexOf("R98"), sorted.indexOf("R10")) << sorted.join(u' ').toStdString();
    EXPECT_GT(sorted.indexOf("R99"), sorted.indexOf("R98"));  // the sort put both in place
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

TEST_F(ExplorerTest, RebuildOfAnEmptyLayoutKeepsEveryCategory) {
    doc.SetNew(QStringLiteral("Stripboard"), 20, 10, {}, {}, false);
    tree->Rebuild();
    ASSERT_EQ(tree->topLevelItemCount(), kKindCount);
    for (int i = 0; i < kKindCount; ++i) {
        EXPECT_EQ(tree->topLevelItem(i)->childCount(), 0);
        EXPECT_EQ(tree->topLevelItem(i)->text(0), QLatin1String(FindKind(i)->category));
    }
}

}  // namespace
}  // namespace sw
