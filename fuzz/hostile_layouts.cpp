// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile_layouts.h"

namespace sw {
namespace {

const QByteArray kRoot =
    "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"Hostile\" Credits=\"C\">\n";
const QByteArray kResistor = "  <Resistor Value=\"1K\" X1=\"2\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"R1\" />\n";

QByteArray Long(char c) { return QByteArray(kLongText, c); }

QByteArray WithBody(const QByteArray& body) { return kRoot + body + "</Layout>\n"; }

QByteArray Nested(const QByteArray& open, const QByteArray& close, const QByteArray& inner,
                  int depth = kDeepNesting) {
    QByteArray deep;
    for (int i = 0; i < depth; ++i)
        deep += open;
    deep += inner;
    for (int i = 0; i < depth; ++i)
        deep += close;
    return deep;
}

// A resistor without its second hole, so opening refuses it, quoting its name.
QByteArray DamagedNamed(const QByteArray& name) {
    return WithBody("  <Resistor Value=\"1K\" X1=\"2\" Y1=\"3\" Name=\"" + name + "\" />\n");
}

// A stripboard of 400 x 300 holes filled with 100 000 parts of ten kinds, in
// rows, so the picture, the list and the connectivity check all have work.
QByteArray ManyComponents() {
    QByteArray body;
    body.reserve(kManyComponents * 80);
    static const char* const kinds[] = {"Resistor", "Jumper", "Cut",  "Pad",  "Trace",
                                        "Wire",     "Diode",  "Text", "Capacitor", "Led"};
    for (int i = 0; i < kManyComponents; ++i) {
        const char* kind = kinds[i % 10];
        const int x = 1 + (i * 3) % 400;
        const int y = 1 + (i / 133) % 300;
        QByteArray e = QByteArray("  <") + kind;
        if (qstrcmp(kind, "Pad") == 0 || qstrcmp(kind, "Trace") == 0)
            e += " Value=\"9px\" Color=\"Blue\"";
        else if (qstrcmp(kind, "Wire") == 0)
            e += " Color=\"Red\" Seed=\"" + QByteArray::number(i) + "\"";
        else if (qstrcmp(kind, "Jumper") != 0 && qstrcmp(kind, "Cut") != 0)
            e += " Value=\"" + QByteArray::number(i % 97) + "K\"";
        e += " X1=\"" + QByteArray::number(x) + "\" Y1=\"" + QByteArray::number(y) + "\"";
        if (qstrcmp(kind, "Cut") != 0 && qstrcmp(kind, "Pad") != 0 && qstrcmp(kind, "Text") != 0)
            e += " X2=\"" + QByteArray::number(x + 2) + "\" Y2=\"" + QByteArray::number(y) + "\"";
        e += " Name=\"N" + QByteArray::number(i + 1) + "\" />\n";
        body += e;
    }
    return "<Layout Type=\"Stripboard\" Width=\"400\" Height=\"300\" Project=\"Many\" Credits=\"C\">\n" +
           body + "</Layout>\n";
}

}  // namespace

std::vector<GeneratedLayout> GeneratedHostileLayouts() {
    const QByteArray longText = Long('W');
    return {
        {QStringLiteral("name-100000-characters"),
         WithBody("  <Resistor Value=\"1K\" X1=\"2\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"" + longText +
                  "\" />\n")},
        {QStringLiteral("value-100000-characters"),
         WithBody("  <IC Value=\"" + longText + "\" X1=\"2\" Y1=\"3\" X2=\"5\" Y2=\"6\" Name=\"IC1\" />\n")},
        {QStringLiteral("text-100000-characters"),
         WithBody("  <Text Value=\"" + longText + "\" X1=\"2\" Y1=\"3\" Name=\"T1\" />\n")},
        {QStringLiteral("project-and-credits-100000-characters"),
         "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"" + longText +
             "\" Credits=\"" + Long('c') + "\">\n" + kResistor + "</Layout>\n"},
        {QStringLiteral("type-100000-characters"),
         "<Layout Type=\"" + longText + "\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"C\">\n" +
             kResistor + "</Layout>\n"},
        {QStringLiteral("coordinate-100000-digits"),
         WithBody("  <Resistor Value=\"1K\" X1=\"" + Long('9') + "\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"R1\" />\n")},
        {QStringLiteral("element-name-100000-characters"),
         WithBody("  <" + Long('E') + " X1=\"nothing\" />\n" + kResistor)},
        {QStringLiteral("attribute-name-100000-characters"),
         WithBody("  <Resistor " + Long('A') + "=\"1\" Value=\"1K\" X1=\"2\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"R1\" />\n")},
        {QStringLiteral("unknown-elements-10000-deep"),
         WithBody(Nested("<Deep>", "</Deep>", "<Resistor Value=\"1K\" X1=\"x\" />") + "\n" + kResistor)},
        {QStringLiteral("inside-a-component-10000-deep"),
         WithBody("  <Resistor Value=\"1K\" X1=\"2\" Y1=\"3\" X2=\"6\" Y2=\"3\" Name=\"R1\">" +
                  Nested("<Deep>", "</Deep>", "") + "</Resistor>\n")},
        {QStringLiteral("unclosed-10000-deep"), kRoot + Nested("<Deep>", "", "")},
        {QStringLiteral("components-100000"), ManyComponents()},
        {QStringLiteral("unknown-elements-20000-deep"),
         WithBody(Nested("<Node>", "</Node>", "", kDeeperNesting) + "\n" + kResistor)},
        {QStringLiteral("text-letter-with-a-million-accents"),
         WithBody("  <Text Value=\"e" + QByteArray("\xcc\x81").repeated(kAccents) +
                  "\" X1=\"2\" Y1=\"3\" Name=\"T1\" />\n")},
        {QStringLiteral("credits-8-megabytes"),
         "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Project=\"P\" Credits=\"" +
             QByteArray(kLongCredits, 'c') + "\">\n" + kResistor + "</Layout>\n"},
        {QStringLiteral("damaged-name-2-megabytes"), DamagedNamed(QByteArray(2 * 1024 * 1024, 'N'))},
        {QStringLiteral("damaged-name-50000-lines"), DamagedNamed(QByteArray("R&#10;").repeated(kNameLines))},
    };
}

QByteArray GeneratedHostileLayout(const QString& name) {
    for (GeneratedLayout& layout : GeneratedHostileLayouts())
        if (layout.name == name)
            return layout.bytes;
    return {};
}

}  // namespace sw
