// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile layout files (tests/data/hostile, and the big ones made
// at run time): each is opened as the editor opens a file and taken through
// everything opening sets going. Each either is refused with a message that
// names the problem, or opens and gives a whole picture, bill of materials,
// connectivity report and copper picture, and saves to text that opens again.

#include "hostile_layouts.h"
#include "open_pipeline.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace sw {
namespace {

// Yes / No: the check's answer; GaveUp: it says the copper is too vast to follow.
enum class Link { Any, Yes, No, GaveUp };

struct HostileCase {
    const char* file;
    // Refused files: a piece of the message. Opened files: nullptr.
    const char* refusal;
    int components = 0;
    // Opened files: a line the bill of materials must hold (nullptr: none).
    const char* bomHas = nullptr;
    Link link = Link::Any;
    // Why there is no copper picture (nullptr: there is one).
    const char* copperRefusal = nullptr;
};

constexpr const char* kNotXml = "is not a valid layout file";
constexpr const char* kNoHoles = "has no holes";
constexpr const char* kTooLarge = "too large";

// clang-format off
const HostileCase kCases[] = {
    // XML that does not parse, or parses to something that is not a layout.
    {"truncated-in-element.swb", kNotXml},
    {"truncated-in-attribute-value.swb", kNotXml},
    {"truncated-root-not-closed.swb", kNotXml},
    {"truncated-in-comment.swb", kNotXml},
    {"empty.swb", kNotXml},
    {"only-whitespace.swb", kNotXml},
    {"only-comment.swb", kNotXml},
    {"only-declaration.swb", kNotXml},
    {"mismatched-end-tag.swb", kNotXml},
    {"unquoted-attribute.swb", kNotXml},
    {"binary-garbage.swb", kNotXml},
    {"other-root.swb", "its root element is <Board>, not <Layout>"},
    {"root-lowercase.swb", "its root element is <layout>, not <Layout>"},
    {"two-roots.swb", "more than one root element"},
    {"html-page.swb", kNotXml},
    // NUL, which XML forbids, would cut a text or the file short without a word.
    {"name-nul-reference.swb", "holds the character NUL, which XML forbids, at offset 132"},
    {"credits-nul-hex-reference.swb", "holds the character NUL, which XML forbids, at offset 73"},
    {"nul-byte-hides-second-root.swb", "holds the character NUL, which XML forbids, at offset 148"},
    // Entities are never expanded: the text stays as written, small and local.
    {"doctype-billion-laughs.swb", nullptr, 1, "R1: &lol9;", Link::Yes},
    {"doctype-external-entity.swb", nullptr, 1, "R1: &secret;", Link::Yes},
    {"entity-in-coordinate.swb", "X1=\"&five;\", which is not an integer"},
    {"character-references.swb", nullptr, 1, "R\xc3\xa9" "1: 10K", Link::Yes},
    // The board's own attributes. A board without holes still has the parts
    // drawn beside it, and a part joins its two holes wherever they lie.
    {"width-missing.swb", "the layout has no Width"},
    {"height-missing.swb", "the layout has no Height"},
    {"root-without-attributes.swb", "the layout has no Width"},
    {"width-not-a-number.swb", "Width=\"twenty\", which is not an integer"},
    {"height-decimal.swb", "Height=\"10.5\", which is not an integer"},
    {"width-overflow.swb", "Width=\"2147483648\", which is out of range (-2147483648 to 2147483647)"},
    {"width-zero.swb", nullptr, 1, "R1: 1K", Link::Yes, kNoHoles},
    {"height-zero.swb", nullptr, 1, "R1: 1K", Link::Yes, kNoHoles},
    {"width-negative.swb", nullptr, 1, "R1: 1K", Link::Yes, kNoHoles},
    {"height-negative.swb", nullptr, 1, "R1: 1K", Link::Yes, kNoHoles},
    {"width-max.swb", nullptr, 1, "R1: 1K", Link::Yes, kTooLarge},
    {"height-max.swb", nullptr, 1, "R1: 1K", Link::Yes, kTooLarge},
    {"width-and-height-max.swb", nullptr, 2, nullptr, Link::GaveUp, kTooLarge},
    {"width-min.swb", nullptr, 1, "R1: 1K", Link::Yes, kNoHoles},
    {"width-plus-sign-and-zeros.swb", nullptr, 1, "R1: 1K", Link::Yes},
    {"stripboard-max-width-strip.swb", nullptr, 2, nullptr, Link::GaveUp, kTooLarge},
    {"trace-across-max-board.swb", nullptr, 2, nullptr, Link::GaveUp, kTooLarge},
    {"board-type-unknown.swb", nullptr, 1, "R1: 1K", Link::Yes},
    {"board-type-wrong-case.swb", nullptr, 1, nullptr, Link::No},
    {"hidelist-wrong-case.swb", nullptr, 1, "R1: 1K", Link::Yes},
    {"type-and-texts-missing.swb", nullptr, 1, "R1: 1K", Link::Yes},
    // Coordinates of components. The check runs from the first hole of the
    // first component to the last hole of the last one (the same hole in the
    // zero-length and spanning files, which is never connected to itself).
    {"x1-missing.swb", "Resistor \"R1\" has no X1"},
    {"y2-missing.swb", "Diode \"D1\" has no Y2"},
    {"x1-not-a-number.swb", "Capacitor \"C1\" has X1=\"five\", which is not an integer"},
    {"y1-empty.swb", "Jumper \"J1\" has Y1=\"\", which is not an integer"},
    {"x2-decimal.swb", "Wire \"W1\" has X2=\"6.0\", which is not an integer"},
    {"x1-hexadecimal.swb", "Led \"D1\" has X1=\"0x10\", which is not an integer"},
    {"x1-leading-space.swb", "Resistor \"R1\" has X1=\" 2\", which is not an integer"},
    {"x1-overflow.swb", "Resistor \"R1\" has X1=\"2147483648\", which is out of range"},
    {"cut-x1-missing.swb", "Cut \"X1\" has no X1"},
    {"text-y1-not-a-number.swb", "Text \"T1\" has Y1=\"c\", which is not an integer"},
    {"second-bad-component-named.swb", "Resistor \"R2\" has Y2=\"zz\""},
    {"one-hole-kinds-without-x2.swb", nullptr, 4},
    {"every-kind-at-max-coordinates.swb", nullptr, 21, "IC7: 10K"},
    {"every-kind-at-min-coordinates.swb", nullptr, 21, "IC7: 10K"},
    {"every-kind-spanning-everything.swb", nullptr, 21, "Resistor2: 10K", Link::No},
    {"every-kind-zero-length.swb", nullptr, 21, "Transformer11: 10K", Link::No},
    {"every-kind-off-the-board.swb", nullptr, 21, "LineIC9: 10K"},
    {"every-kind-spanning-stripboard.swb", nullptr, 21, "Tube16: 10K", Link::No},
    {"big-spans.swb", nullptr, 9, "IC1: huge"},
    // Values, colours, sizes and names.
    {"colour-names-wrong-case.swb", nullptr, 3, nullptr, Link::No},
    {"electrolyte-size-wrong-case.swb", nullptr, 3, "C3: 1uF", Link::No},
    {"taper-and-types-unknown.swb", nullptr, 3, "P1: 10K log"},
    {"every-optional-attribute-missing.swb", nullptr, 21, ": "},
    {"pad-and-trace-sizes-huge.swb", nullptr, 5, nullptr, Link::No},
    {"pad-and-trace-sizes-odd.swb", nullptr, 5, nullptr, Link::No},
    {"wire-seeds-odd.swb", nullptr, 4, nullptr, Link::No},
    {"names-shared-and-empty.swb", nullptr, 4, "R1: 1K", Link::No},
    {"unknown-elements-and-comments.swb", nullptr, 1, "R1: 1K", Link::Yes},
    {"duplicate-attributes.swb", nullptr, 1, "R1: 1K", Link::Yes},
    {"namespaced-elements.swb", nullptr, 1, "R2: 2K", Link::Yes},
    {"text-controls-and-bidi.swb", nullptr, 2},
    {"utf8-invalid-bytes.swb", nullptr, 1, nullptr, Link::Yes},
    {"latin1-declared.swb", nullptr, 1, "R\xc3\xa9" "1: 1K", Link::Yes},
    {"utf16-with-bom.swb", nullptr, 1, "R1: 1K", Link::Yes},
};
// clang-format on

QByteArray ReadHostile(const char* file) {
    QFile f(test::DataPath(QStringLiteral("hostile/")) + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    return f.readAll();
}

// What every outcome must show, whichever way the file went.
void ExpectWhole(const OpenOutcome& o, const char* file) {
    SCOPED_TRACE(file);
    if (!o.opened) {
        EXPECT_FALSE(o.refusal.isEmpty());
        // A refusal names the problem in a line a person reads, not a dump of the file.
        EXPECT_LT(o.refusal.size(), 400) << o.refusal.left(400).toStdString();
        return;
    }
    EXPECT_EQ(o.boardImage, QSize(2000, 1200));
    EXPECT_GE(o.picture.width(), 400);
    EXPECT_GT(o.picture.height(), 80);
    EXPECT_TRUE(o.billOfMaterials.endsWith("\r\n"));
    EXPECT_EQ(o.copperMade, !o.copperGif.isEmpty()) << o.copperRefusal.toStdString();
    EXPECT_EQ(o.copperMade, o.copperRefusal.isEmpty()) << o.copperRefusal.toStdString();
    EXPECT_TRUE(o.reopened) << o.reopenProblem.toStdString();
    EXPECT_FALSE(o.connection.text.isEmpty());
}

class HostileFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileFile, IsRefusedClearlyOrOpensWhole) {
    const HostileCase& c = GetParam();
    const OpenOutcome o = RunOpenPipeline(ReadHostile(c.file));
    ExpectWhole(o, c.file);
    if (c.refusal) {
        ASSERT_FALSE(o.opened) << "opened, but should be refused: " << c.file;
        EXPECT_TRUE(o.refusal.contains(QString::fromUtf8(c.refusal))) << o.refusal.toStdString();
        return;
    }
    ASSERT_TRUE(o.opened) << o.refusal.toStdString();
    EXPECT_EQ(o.components, c.components);
    if (c.bomHas)
        EXPECT_TRUE(QString::fromUtf8(o.billOfMaterials).split(QStringLiteral("\r\n")).contains(QString::fromUtf8(c.bomHas)))
            << o.billOfMaterials.toStdString();
    if (c.link != Link::Any)
        EXPECT_EQ(o.connection.connected, c.link == Link::Yes) << o.connection.text.toStdString();
    EXPECT_EQ(o.connection.text == QLatin1String(kTooLargeText), c.link == Link::GaveUp)
        << o.connection.text.toStdString();
    if (c.copperRefusal)
        EXPECT_TRUE(o.copperRefusal.contains(QLatin1String(c.copperRefusal))) << o.copperRefusal.toStdString();
    else
        EXPECT_TRUE(o.copperMade) << o.copperRefusal.toStdString();
}

std::string CaseName(const ::testing::TestParamInfo<HostileCase>& info) {
    std::string name = info.param.file;
    name = name.substr(0, name.find('.'));
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFile, ::testing::ValuesIn(kCases), CaseName);

// Every file in the folder has a row above, so none is kept without a statement.
TEST(HostileFiles, EveryFileHasAStatement) {
    const QStringList files = QDir(test::DataPath(QStringLiteral("hostile"))).entryList(QDir::Files);
    EXPECT_GE(files.size(), 50);
    for (const QString& file : files) {
        bool listed = false;
        for (const HostileCase& c : kCases)
            listed = listed || file == QLatin1String(c.file);
        EXPECT_TRUE(listed) << file.toStdString();
    }
}

}  // namespace
}  // namespace sw
