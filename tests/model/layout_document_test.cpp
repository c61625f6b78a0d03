// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layout_document.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

namespace sw {
namespace {

TEST(LayoutDocument, RoundTripKeepsCommentsAndUnknownElementsInPlace) {
    LayoutDocument doc;
    const std::string text =
        "<Layout Width=\"20\" Height=\"10\" Type=\"Stripboard\" Project=\"P\" Credits=\"C\">\n"
        "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Name=\"R1\" />\n"
        "  <!-- a note -->\n"
        "  <?stamp by hand?>\n"
        "  <Gadget Foo=\"1\" />\n"
        "  <Cut X1=\"3\" Y1=\"2\" Name=\"X1\" />\n"
        "</Layout>\n";
    ASSERT_TRUE(doc.LoadText(text).ok);
    EXPECT_EQ(doc.ToText(), text);

    // Through a file as well, and the walk over components passes the others by
    // while their keys still count them.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.swb"));
    ASSERT_TRUE(doc.SaveFile(path).ok);
    LayoutDocument reread;
    ASSERT_TRUE(reread.LoadFile(path).ok);
    EXPECT_EQ(reread.ToText(), text);
    std::vector<std::pair<std::string, unsigned>> seen;
    reread.ForEachComponent([&](pugi::xml_node node, unsigned key) {
        seen.emplace_back(node.name(), key);
        EXPECT_EQ(reread.NodeOfKey(key), node);
        EXPECT_EQ(reread.KeyOf(node), key);
    });
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, unsigned>>{{"Resistor", 1}, {"Cut", 5}}));
}

TEST(LayoutDocument, NextFreeName) {
    struct Case {
        const char* children;  // inside <Layout>
        const char* prefix;
        const char* expected;
    };
    const Case cases[] = {
        {"", "R", "R1"},
        {"<Resistor Name=\"R1\"/><Resistor Name=\"R2\"/><Resistor Name=\"R4\"/>", "R", "R3"},
        {"<Pot Name=\"P1\"/>", "P", "P2"},                       // pads follow pots
        {"<Jumper Name=\"J1\"/>", "J", "J2"},                    // jacks follow jumpers
        {"<IC Name=\"IC1\"/><LineIC Name=\"IC2\"/>", "IC", "IC3"},
        {"<Gadget Name=\"R1\"/>", "R", "R2"},                    // any child's name counts
        {"<Resistor Name=\"R01\"/><Resistor Name=\"R1x\"/>", "R", "R1"},
        {"<Relay Name=\"REL1\"/>", "R", "R1"},
        {"<Resistor Name=\"R1\"/>", "REL", "REL1"},
        {"<Resistor Name=\"r1\"/>", "R", "R1"},                  // names are case-sensitive
        {"<Resistor Name=\"R99999999999999999999\"/><Resistor Name=\"R1\"/>", "R", "R2"},
        {"<Resistor Name=\"R99999999\"/><Resistor Name=\"R1\"/>", "R", "R2"},
        {"<Resistor Name=\"R2\"/><Resistor Name=\"R3\"/><Resistor Name=\"R1\"/>", "R", "R4"},
    };
    for (const Case& c : cases) {
        LayoutDocument doc;
        const std::string xml =
            std::string("<Layout Width=\"20\" Height=\"10\">") + c.children + "</Layout>";
        // Names only: load the DOM directly, the hole checks are not the point here.
        ASSERT_TRUE(doc.Dom().load_string(xml.c_str())) << xml;
        EXPECT_EQ(doc.NextFreeName(QString::fromLatin1(c.prefix)),
                  QString::fromLatin1(c.expected))
            << c.children;
    }
}

TEST(LayoutDocument, ValueNumber) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"15px", 15}, {"15", 15}, {"15.0px", 15}, {"px", 0}, {"", 0},
        {"4.7K", 4.7}, {"10K Log", 10}, {"0.5", 0.5}, {"1.2.3px", 0}, {"-5px", 0},
        {" 15px", 0},
        // Group separators are refused, so a pad of "1,000px" is not a 1000-pixel disc.
        {"1,000px", 0}, {"12,345,678", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ValueNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(LayoutDocument, PadExistsMatchesHoleAndOwner) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText("<Layout Width=\"20\" Height=\"10\" Type=\"PCB\">"
                             "<Pad X1=\"3\" Y1=\"4\" Value=\"15\" Name=\"P1\" Parent=\"R1\"/>"
                             "<Resistor X1=\"3\" Y1=\"4\" X2=\"6\" Y2=\"4\" Name=\"R1\"/>"
                             "</Layout>")
                    .ok);
    EXPECT_TRUE(doc.PadExists(3, 4, QStringLiteral("R1")));
    EXPECT_FALSE(doc.PadExists(3, 4, QStringLiteral("R2")));
    EXPECT_FALSE(doc.PadExists(6, 4, QStringLiteral("R1")));
    EXPECT_FALSE(doc.PadExists(4, 3, QStringLiteral("R1")));
}

TEST(LayoutDocument, DeclaredLatin1FileKeepsItsTextThroughSaveAndReload) {
    // A file from another editor may declare ISO-8859-1. It is written back as
    // UTF-8, so the declaration must follow or the accents would be garbled.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("latin1.swb"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                   "<Layout Width=\"20\" Height=\"10\" Type=\"Stripboard\" Project=\"Caf\xE9\" "
                   "Credits=\"\"/>\n");
    }
    const QString cafe = QStringLiteral("Caf\u00E9");
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadFile(path).ok);
    EXPECT_EQ(doc.GetRootAttribute("Project"), cafe);

    LayoutDocument fromText;  // as an undo snapshot is restored
    ASSERT_TRUE(fromText.LoadText(doc.ToText()).ok);
    EXPECT_EQ(fromText.GetRootAttribute("Project"), cafe);

    const QString saved = dir.filePath(QStringLiteral("saved.swb"));
    ASSERT_TRUE(doc.SaveFile(saved).ok);
    LayoutDocument reread;
    ASSERT_TRUE(reread.LoadFile(saved).ok);
    EXPECT_EQ(reread.GetRootAttribute("Project"), cafe);
    EXPECT_NE(reread.ToText().find("version=\"1.0\""), std::string::npos);
}

TEST(LayoutDocument, FailedSaveLeavesTheTargetAlone) {
    QTemporaryDir dir;
    LayoutDocument doc;
    const WriteResult missingFolder =
        doc.SaveFile(dir.filePath(QStringLiteral("no/such/folder/x.swb")));
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_FALSE(missingFolder.message.isEmpty());

    const QString path = dir.filePath(QStringLiteral("kept.swb"));
    ASSERT_TRUE(doc.SaveFile(path).ok);
    const WriteResult onDirectory = doc.SaveFile(dir.path());
    EXPECT_FALSE(onDirectory.ok);
    LayoutDocument reread;
    EXPECT_TRUE(reread.LoadFile(path).ok);
}

TEST(LayoutDocument, DefaultAndNewDocuments) {
    LayoutDocument doc;
    EXPECT_EQ(doc.ToText(),
              "<Layout Width=\"20\" Height=\"10\" Type=\"Stripboard\" Project=\"New Project\" "
              "Credits=\"Open &quot;Properties&quot; to modify layout\" />\n");
    EXPECT_FALSE(doc.HideList());
    doc.SetNew(QStringLiteral("PCB"), 0, -3, QString(), QString(), true);
    EXPECT_EQ(doc.ToText(), "<Layout Type=\"PCB\" Width=\"0\" Height=\"-3\" Project=\"\" "
                            "Credits=\"\" HideList=\"True\" />\n");
    EXPECT_TRUE(doc.HideList());
    EXPECT_EQ(doc.BoardWidth(), 0);
    EXPECT_EQ(doc.BoardHeight(), -3);
    EXPECT_FALSE(doc.GetRootAttribute("Missing").has_value());
}

TEST(LayoutDocument, DamagedFilesAreRefusedNamingElementAndAttribute) {
    LayoutDocument doc;
    const std::string before = doc.ToText();
    struct Case { const char* xml; const char* expected; };
    const Case cases[] = {
        {"<Layout Height=\"10\"/>", "has no Width"},
        {"<Layout Width=\"20\" Height=\"x\"/>", "Height=\"x\""},
        {"<Layout Width=\"20\" Height=\"10\"><Resistor X1=\"1\" Y1=\"1\" X2=\"3\" Name=\"R7\"/></Layout>",
         "Resistor \"R7\" has no Y2"},
        {"<Layout Width=\"20\" Height=\"10\"><Cut X1=\"1\" Y1=\"1.5\" Name=\"X1\"/></Layout>",
         "Cut \"X1\" has Y1=\"1.5\""},
        {"<Board/>", "root element is <Board>"},
        {"<Layout Width=\"20\"", "Not a valid layout"},
    };
    for (const Case& c : cases) {
        const LoadResult r = doc.LoadText(c.xml);
        EXPECT_FALSE(r.ok) << c.xml;
        EXPECT_TRUE(r.message.contains(QLatin1String(c.expected))) << r.message.toStdString();
        EXPECT_EQ(doc.ToText(), before) << "the previous document must stay";
    }
}

}  // namespace
}  // namespace sw
