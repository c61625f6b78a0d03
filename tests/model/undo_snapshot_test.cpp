#include "model/undo_snapshot.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

const char* kLayout =
    "<Layout Width=\"20\" Height=\"10\" Type=\"Stripboard\" Project=\"P\" Credits=\"C\">\n"
    "  <!-- kept -->\n"
    "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Name=\"R1\" />\n"
    "  <Gadget />\n"
    "</Layout>\n";

TEST(UndoSnapshot, NothingToUndoLeavesTheDocument) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kLayout).ok);
    UndoSnapshot undo;
    EXPECT_FALSE(undo.CanUndo());
    const LoadResult r = undo.Restore(doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("Can not undo!"));
    EXPECT_EQ(doc.ToText(), kLayout);
}

TEST(UndoSnapshot, RestoreBringsBackTheDocumentAsTaken) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kLayout).ok);
    UndoSnapshot undo;
    undo.Take(doc);
    EXPECT_TRUE(undo.CanUndo());

    pugi::xml_node added = doc.AppendComponent("Cut");
    SetAttr(added, "X1", 3);
    SetAttr(added, "Y1", 2);
    SetAttr(doc.Root().child("Resistor"), "Value", QStringLiteral("22K"));
    ASSERT_NE(doc.ToText(), kLayout);

    ASSERT_TRUE(undo.Restore(doc).ok);
    EXPECT_EQ(doc.ToText(), kLayout);  // comment and unknown element included
    EXPECT_TRUE(undo.CanUndo()) << "restoring keeps the snapshot; the command clears it";
    undo.Clear();
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_FALSE(undo.Restore(doc).ok);
}

TEST(UndoSnapshot, EachTakeReplacesThePrevious) {
    // Two moves, one undo: only the second is taken back.
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kLayout).ok);
    UndoSnapshot undo;
    pugi::xml_node r1 = doc.Root().child("Resistor");
    undo.Take(doc);
    SetAttr(r1, "Y1", 2);
    SetAttr(r1, "Y2", 2);
    undo.Take(doc);
    SetAttr(r1, "Y1", 3);
    SetAttr(r1, "Y2", 3);
    ASSERT_TRUE(undo.Restore(doc).ok);
    EXPECT_EQ(IntAttr(doc.Root().child("Resistor"), "Y1"), 2);
    EXPECT_EQ(IntAttr(doc.Root().child("Resistor"), "Y2"), 2);
}

TEST(UndoSnapshot, KeepsTextBeyondAscii) {
    LayoutDocument doc;
    doc.SetNew(QStringLiteral("PCB"), 20, 10, QStringLiteral("R\u00F6hre \u03A9"), QString(), false);
    UndoSnapshot undo;
    undo.Take(doc);
    doc.SetDefault();
    ASSERT_TRUE(undo.Restore(doc).ok);
    EXPECT_EQ(doc.GetRootAttribute("Project"), QStringLiteral("R\u00F6hre \u03A9"));
}

}  // namespace
}  // namespace sw
