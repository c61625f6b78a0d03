// SPDX-License-Identifier: GPL-3.0-or-later
// The session's selection: what commands act on, what the views are told, and
// what happens to it when elements or the whole document go.

#include "session/editor_session.h"

#include "model/kinds.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr const char kLayout[] = R"(<Layout Type="PCB" Width="20" Height="10" Project="p" Credits="c">
  <Resistor X1="1" Y1="1" X2="4" Y2="1" Name="R2"/>
  <Pad X1="2" Y1="2" Name="P1" Parent="R2"/>
  <Gadget Name="G1"/>
  <Resistor X1="1" Y1="3" X2="4" Y2="3" Name="R1"/>
  <Wire X1="1" Y1="5" X2="4" Y2="5" Name="W1"/>
</Layout>)";

struct SessionSelection : ::testing::Test {
    EditorSession session;
    std::vector<SessionChange> told;
    SessionSelection() {
        EXPECT_TRUE(session.Document().LoadText(kLayout).ok);
        session.Observe([this](SessionChange change) { told.push_back(change); });
    }
    pugi::xml_node Named(const char* name) const {
        return session.Document().Root().find_child_by_attribute("Name", name);
    }
    std::vector<std::string> Affected() const {
        std::vector<std::string> names;
        for (pugi::xml_node element : session.AffectedComponents())
            names.push_back(element.attribute("Name").value());
        return names;
    }
};

TEST_F(SessionSelection, CommandsActOnSelectedElementsAndWholeCategoriesInCatalogueOrder) {
    EXPECT_TRUE(Affected().empty());
    SelectionState selection;
    selection.Add(Named("W1"));
    selection.Add(Named("R1"));
    session.Select(selection);
    // Resistors come before wires in the catalogue, whatever the clicking order.
    EXPECT_EQ(Affected(), (std::vector<std::string>{"R1", "W1"}));
    selection.AddCategory(kind::Resistor);
    session.Select(selection);
    EXPECT_EQ(Affected(), (std::vector<std::string>{"R2", "R1", "W1"}));
    EXPECT_EQ(session.Selection().Count(), 3);
}

TEST_F(SessionSelection, TheCurrentNodeCountsOnlyWhileSelected) {
    session.SelectOnly(Named("R1"));
    EXPECT_EQ(session.Current().element, Named("R1"));
    SelectionState other;
    other.Add(Named("W1"));
    other.SetCurrent({Named("R1"), -1});  // the cursor left on R1, R1 not selected
    session.Select(other);
    EXPECT_FALSE(session.Current().Exists());
    other.AddCategory(kind::Wire);
    other.SetCurrent({{}, kind::Wire});
    session.Select(other);
    EXPECT_EQ(session.Current().category, int(kind::Wire));
}

TEST_F(SessionSelection, ViewsAreToldOfEveryChangeOnce) {
    session.SelectOnly(Named("R1"));
    session.SelectOnly(Named("R1"));  // the same: nothing told
    session.ClearSelection();
    session.ClearSelection();
    EXPECT_EQ(told, (std::vector{SessionChange::Selection, SessionChange::Selection}));
}

TEST_F(SessionSelection, RemovedComponentsLeaveTheSelectionBeforeTheyGo) {
    SelectionState selection;
    selection.Add(Named("R1"));
    selection.Add(Named("W1"));
    selection.SetCurrent({Named("R1"), -1});
    session.Select(selection);
    told.clear();
    const pugi::xml_node r1 = Named("R1");
    session.RemoveComponents({r1, r1});  // twice in the list, removed once
    EXPECT_FALSE(Named("R1"));
    EXPECT_EQ(session.Selection().Count(), 1);
    EXPECT_TRUE(session.Selection().Contains(Named("W1")));
    EXPECT_FALSE(session.Current().Exists());
    EXPECT_EQ(told, (std::vector{SessionChange::Components, SessionChange::Selection}));
}

// Undo, Open and New make new elements; a selection of the old ones would
// name freed nodes, so it is empty under the new document.
TEST_F(SessionSelection, IsEmptyOnceTheDocumentIsReplaced) {
    session.Edit(EditKind::Move, QStringLiteral("Move"), [] { return EditResult{}; });
    SelectionState selection;
    selection.Add(Named("R1"));
    selection.AddCategory(kind::Wire);
    selection.SetCurrent({Named("R1"), -1});
    session.Select(selection);
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_TRUE(session.Selection().Empty());
    EXPECT_FALSE(session.Current().Exists());
    EXPECT_TRUE(session.AffectedComponents().empty());
    // Selecting again works on the new elements.
    session.SelectOnly(Named("W1"));
    EXPECT_EQ(session.Current().element, Named("W1"));
    session.Document().SetDefault();
    EXPECT_TRUE(session.Selection().Empty());
}

TEST_F(SessionSelection, RenamingIsAChangeToSaveOnlyWhenTheNameDiffers) {
    session.RenameComponent(Named("R1"), QStringLiteral("R1"));
    EXPECT_FALSE(session.Modified());
    session.RenameComponent(Named("R1"), QStringLiteral("R9"));
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(Named("R9"));
    EXPECT_EQ(told, (std::vector{SessionChange::Components, SessionChange::Modified,
                                 SessionChange::Components}));
}

}  // namespace
}  // namespace sw
