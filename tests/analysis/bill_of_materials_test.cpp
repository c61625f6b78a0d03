// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/bill_of_materials.h"
#include "edit/bill_of_materials_export.h"
#include "model/layout_document.h"
#include "test_support.h"
#include "ui/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

LayoutDocument Layout(const std::string& children, const std::string& project = "Amp",
                      const std::string& credits = "me") {
    LayoutDocument doc;
    const std::string xml = "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"" +
                            project + "\" Credits=\"" + credits + "\">" + children + "</Layout>";
    const LoadResult r = doc.LoadText(xml);
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    return doc;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(BillOfMaterials, EmptyLayoutGivesHeaderAndFooterOnly) {
    const LayoutDocument doc = Layout("", "Fuzz", "by Ann");
    EXPECT_EQ(BillOfMaterialsText(doc),
              QByteArray("Project: Fuzz\r\nCredits: by Ann\r\n\r\n\r\n\r\n"
                         "http://www.stripwright.org/swb/\r\n"));
}

TEST(BillOfMaterials, ListsThePartsToBuySorted) {
    struct Case {
        const char* what;
        std::string children;
        QStringList expected;
    };
    const std::string at = " X1=\"1\" Y1=\"1\" X2=\"3\" Y2=\"1\"";
    const std::vector<Case> cases = {
        {"character-code order, no numeric ordering",
         "<Resistor Value=\"1K\" Name=\"R2\"" + at + "/><Resistor Value=\"2K\" Name=\"R10\"" + at +
             "/><Capacitor Value=\"1uF\" Name=\"C1\"" + at + "/><IC Value=\"x\" Name=\"a1\"" + at + "/>",
         {"C1: 1uF", "R10: 2K", "R2: 1K", "a1: x"}},
        {"identical lines are both kept",
         "<Diode Value=\"1N4148\" Name=\"D1\"" + at + "/><Led Value=\"red\" Name=\"D2\"" + at +
             "/><Diode Value=\"1N4148\" Name=\"D1\"" + at + "/>",
         {"D1: 1N4148", "D1: 1N4148", "D2: red"}},
        {"relay listed only with a value",
         "<Relay Value=\"\" Name=\"REL1\"" + at + "/><Relay Value=\"12V\" Name=\"REL2\"" + at + "/>",
         {"REL2: 12V"}},
        {"pot listed with its taper, only with a value",
         "<Pot Value=\"100K\" Taper=\"Audio\" Name=\"P1\"" + at +
             "/><Pot Value=\"\" Taper=\"Linear\" Name=\"P2\"" + at + "/>",
         {"P1: 100K Audio"}},
        {"pots sorted in with the rest",
         "<Pot Value=\"10K\" Taper=\"Linear\" Name=\"P1\"" + at + "/><Trimmer Value=\"1K\" Name=\"VR1\"" +
             at + "/><Electrolyte Value=\"10uF\" Name=\"C2\"" + at + "/>",
         {"C2: 10uF", "P1: 10K Linear", "VR1: 1K"}},
        {"other listed kinds appear with an empty value",
         "<Transistor Value=\"\" Name=\"Q1\"" + at + "/><Switch Name=\"S1\"" + at +
             "/><Tube Value=\"EL84\" Name=\"V1\"" + at + "/><Transformer Value=\"9V\" Name=\"TR1\" X1=\"1\" "
             "Y1=\"1\" X2=\"3\" Y2=\"3\"/><LineIC Value=\"\" Name=\"IC2\"" + at + "/>",
         {"IC2: ", "Q1: ", "S1: ", "TR1: 9V", "V1: EL84"}},
        {"connections, marks and unknown elements never appear",
         "<Wire Color=\"Red\" Seed=\"1\" Name=\"W1\"" + at + "/><Jumper Name=\"J1\"" + at +
             "/><Cut X1=\"1\" Y1=\"1\" Name=\"X1\"/><Trace Value=\"5px\" Name=\"T1\"" + at +
             "/><Pad Value=\"15px\" X1=\"1\" Y1=\"1\" Name=\"P1\"/><Text Value=\"hi\" X1=\"1\" Y1=\"1\" "
             "Name=\"A1\"/><Jack Type=\"Mono\" X1=\"1\" Y1=\"1\" Name=\"J2\"/><Gadget Value=\"v\" "
             "Name=\"G1\"/>",
         {}},
        {"names outside ASCII survive",
         "<Capacitor Value=\"4.7\xC2\xB5" "F\" Name=\"C\xC3\xA9" "1\"" + at + "/>",
         {QString::fromUtf8("C\xC3\xA9" "1: 4.7\xC2\xB5" "F")}},
    };
    for (const Case& c : cases) {
        const LayoutDocument doc = Layout(c.children);
        EXPECT_EQ(BillOfMaterialsParts(doc), c.expected) << c.what;
        const QStringList lines = BillOfMaterialsLines(doc);
        ASSERT_EQ(lines.size(), c.expected.size() + 6) << c.what;
        EXPECT_EQ(lines.mid(3, c.expected.size()), c.expected) << c.what;
    }
}

TEST(BillOfMaterials, HeaderCarriesProjectAndCreditsEvenWhenEmpty) {
    const QStringList lines = BillOfMaterialsLines(Layout("", "", ""));
    EXPECT_EQ(lines.first(), QStringLiteral("Project: "));
    EXPECT_EQ(lines.at(1), QStringLiteral("Credits: "));
}

TEST(BillOfMaterials, TextIsUtf8WithCrLfAfterEveryLine) {
    const LayoutDocument doc =
        Layout("<Capacitor Value=\"10\xC2\xB5" "F\" Name=\"C1\" X1=\"1\" Y1=\"1\" X2=\"2\" Y2=\"1\"/>");
    const QByteArray text = BillOfMaterialsText(doc);
    EXPECT_TRUE(text.contains("\r\nC1: 10\xC2\xB5" "F\r\n"));
    EXPECT_TRUE(text.endsWith("/swb/\r\n"));
    EXPECT_EQ(text.count("\r\n"), 7);
    EXPECT_EQ(text.count('\n'), 7);
}

TEST(BillOfMaterials, WriteReplacesTheFileOrLeavesItUntouched) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const LayoutDocument doc = Layout("<Resistor Value=\"1K\" Name=\"R1\" X1=\"1\" Y1=\"1\" X2=\"3\" Y2=\"1\"/>");
    const QString path = dir.filePath(QStringLiteral("bom.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("a much longer old content that must not linger after the list");
    }
    WriteResult r = WriteBillOfMaterials(doc, path);
    EXPECT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(ReadAll(path), BillOfMaterialsText(doc));

    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/bom.txt"));
    r = WriteBillOfMaterials(doc, inMissingFolder);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(inMissingFolder)) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(inMissingFolder));

    // A folder in the way: refused, and nothing is left beside it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    r = WriteBillOfMaterials(doc, dir.filePath(QStringLiteral("taken")));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("bom.txt")});
}

TEST(BillOfMaterialsExport, AsksForTheFileThenWritesIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const LayoutDocument doc = Layout("<Pot Value=\"1M\" Taper=\"Linear\" Name=\"P1\" X1=\"3\" Y1=\"1\" X2=\"5\" Y2=\"1\"/>");
    const QString path = dir.filePath(QStringLiteral("parts.txt"));
    test::ScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(path);
    EXPECT_TRUE(ExportBillOfMaterials(doc, dialogs));
    EXPECT_EQ(ReadAll(path), BillOfMaterialsText(doc));
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    const FileDialogRequest& asked = dialogs.Calls()[0].request;
    EXPECT_EQ(asked.proposedFileName, QStringLiteral("bom.txt"));
    EXPECT_EQ(asked.filter, QStringLiteral("Text Files (*.txt);;All Files (*)"));
}

TEST(BillOfMaterialsExport, CancelWritesNothingAndFailureShowsTheReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const LayoutDocument doc = Layout("");
    test::ScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(std::nullopt);
    EXPECT_FALSE(ExportBillOfMaterials(doc, dialogs));
    EXPECT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const QString bad = dir.filePath(QStringLiteral("missing/bom.txt"));
    dialogs.AnswerSaveFile(bad).AnswerMessage(MessageAnswer::Ok);
    EXPECT_FALSE(ExportBillOfMaterials(doc, dialogs));
    const auto boxes = dialogs.CallsOf(test::ScriptedDialogs::Type::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageKind::Error);
    EXPECT_TRUE(boxes[0].text.contains(bad)) << boxes[0].text.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace sw
