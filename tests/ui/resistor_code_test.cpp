// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resistor_code.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

const QLocale kC = QLocale::c();

int Code(const char* name) { return BandColourNames(2).indexOf(QString::fromLatin1(name)); }

BandCodes Bands(std::initializer_list<const char*> names) {
    BandCodes bands{};
    int i = 0;
    for (const char* n : names) bands[i++] = Code(n);
    return bands;
}

QStringList Names(const BandCodes& bands, BandMode mode) {
    QStringList names;
    for (int i = 0; i < BandCount(mode); ++i) names << BandColourNames(2)[bands[i]];
    return names;
}

TEST(ResistorCodeTest, ListsHoldTheColoursInCodeOrder) {
    EXPECT_EQ(BandColourNames(0).size(), 10);
    EXPECT_EQ(BandColourNames(1).back(), QStringLiteral("White"));
    EXPECT_EQ(BandColourNames(2).size(), 12);
    EXPECT_EQ(BandColourNames(4)[kGold], QStringLiteral("Gold"));
    EXPECT_EQ(BandColourNames(4)[kSilver], QStringLiteral("Silver"));
    EXPECT_EQ(ToleranceItems(BandMode::Four),
              QStringList({QStringLiteral("\u00b12%"), QStringLiteral("\u00b15%"),
                           QStringLiteral("\u00b110%"), QStringLiteral("n/a")}));
    EXPECT_EQ(ToleranceItems(BandMode::Five).size(), 5);
}

struct ReadCase {
    BandMode mode;
    std::initializer_list<const char*> bands;
    const char* value;
    const char* unit;
    const char* tolerance;
};

TEST(ResistorCodeTest, BandsReadAsValueUnitAndTolerance) {
    const ReadCase cases[] = {
        {BandMode::Four, {"Yellow", "Violet", "Red", "Gold"}, "4.7", "K", "\u00b15%"},
        {BandMode::Five, {"Brown", "Black", "Black", "Brown", "Blue"}, "1.0", "K", "\u00b10.25%"},
        {BandMode::Five, {"Yellow", "Violet", "Red", "Gold", "Black"}, "47.2", "R", "n/a"},
        {BandMode::Four, {"Brown", "Black", "Silver", "Silver"}, "0.1", "R", "\u00b110%"},
        {BandMode::Four, {"Red", "Red", "Blue", "Red"}, "22.0", "M", "\u00b12%"},
        {BandMode::Four, {"White", "White", "White", "Green"}, "99000.0", "M", "n/a"},
        {BandMode::Four, {"Black", "Black", "Black", "Black"}, "0.0", "R", "n/a"},
        {BandMode::Five, {"Grey", "Blue", "Orange", "Orange", "Violet"}, "863.0", "K", "\u00b10.1%"},
    };
    for (const ReadCase& c : cases) {
        const ResistorReading r = BandsToValue(c.mode, Bands(c.bands));
        EXPECT_EQ(FormatResistorValue(r.value, kC), QString::fromLatin1(c.value)) << c.value;
        EXPECT_EQ(r.unit, QString::fromLatin1(c.unit)) << c.value;
        EXPECT_EQ(r.tolerance, QString::fromUtf8(c.tolerance)) << c.value;
    }
}

TEST(ResistorCodeTest, ValueUsesTheLocaleDecimalSeparatorWithoutGrouping) {
    EXPECT_EQ(FormatResistorValue(4.7, QLocale(QLocale::German)), QStringLiteral("4,7"));
    EXPECT_EQ(FormatResistorValue(99000, QLocale(QLocale::English)), QStringLiteral("99000.0"));
    const auto bands = ValueToBands(BandMode::Four, {}, QStringLiteral("4,7"), QStringLiteral("K"),
                                    QString(), QLocale(QLocale::German));
    ASSERT_TRUE(bands);
    EXPECT_EQ(Names(*bands, BandMode::Four).mid(0, 3),
              QStringList({"Yellow", "Violet", "Red"}));
}

struct WriteCase {
    BandMode mode;
    const char* text;
    const char* unit;
    const char* tolerance;
    std::initializer_list<const char*> expected;
};

TEST(ResistorCodeTest, ValuesGiveTheirBands) {
    const WriteCase cases[] = {
        {BandMode::Four, "4.7", "K", "", {"Yellow", "Violet", "Red", "Black"}},
        {BandMode::Five, "4.7", "K", "", {"Yellow", "Violet", "Black", "Brown", "Black"}},
        {BandMode::Four, "4.7", "R", "", {"Yellow", "Violet", "Gold", "Black"}},
        {BandMode::Four, "470", "R", "", {"Yellow", "Violet", "Brown", "Black"}},
        {BandMode::Four, "0.47", "R", "\u00b15%", {"Yellow", "Violet", "Silver", "Gold"}},
        {BandMode::Five, "0.47", "R", "", {"Black", "Yellow", "Violet", "Silver", "Black"}},
        {BandMode::Four, "0.1", "R", "", {"Black", "Brown", "Gold", "Black"}},
        {BandMode::Four, "0.05", "R", "", {"Black", "Green", "Silver", "Black"}},
        {BandMode::Five, "4.7", "R", "\u00b11%", {"Black", "Yellow", "Violet", "Gold", "Brown"}},
        {BandMode::Five, "12.5", "R", "n/a", {"Brown", "Red", "Green", "Gold", "Black"}},
        {BandMode::Four, "10", "M", "\u00b110%", {"Brown", "Black", "Blue", "Silver"}},
        // Halves go to the even neighbour.
        {BandMode::Four, "2.25", "K", "", {"Red", "Red", "Red", "Black"}},
        {BandMode::Four, "2.35", "K", "", {"Red", "Yellow", "Red", "Black"}},
        // Rounding up to the next decade moves the multiplier, not a digit past 9.
        {BandMode::Four, "99.6", "R", "", {"Brown", "Black", "Brown", "Black"}},
        {BandMode::Five, "999.7", "K", "", {"Brown", "Black", "Black", "Yellow", "Black"}},
        // A decimal of one tenth is kept, although 5.1 is stored a hair below it.
        {BandMode::Four, "5.1", "R", "", {"Green", "Brown", "Gold", "Black"}},
        {BandMode::Five, "10.1", "R", "", {"Brown", "Black", "Brown", "Gold", "Black"}},
    };
    for (const WriteCase& c : cases) {
        const auto bands = ValueToBands(c.mode, BandCodes{}, QString::fromLatin1(c.text),
                                        QString::fromLatin1(c.unit), QString::fromUtf8(c.tolerance), kC);
        ASSERT_TRUE(bands) << c.text;
        QStringList expected;
        for (const char* n : c.expected) expected << QString::fromLatin1(n);
        EXPECT_EQ(Names(*bands, c.mode), expected) << c.text << c.unit;
    }
}

TEST(ResistorCodeTest, ValuesNoColourCodeCanShowChangeNothing) {
    const BandCodes current = Bands({"Red", "Red", "Red", "Gold"});
    for (const char* text : {"0", "-4.7", "abc", "", "1e400", "0.001", "100000", "nan"}) {
        const auto unit = QString::fromLatin1(QByteArray(text) == "100000" ? "M" : "R");
        EXPECT_FALSE(ValueToBands(BandMode::Four, current, QString::fromLatin1(text), unit,
                                  QStringLiteral("\u00b15%"), kC))
            << text;
    }
}

// Every E24 value from 1 ohm to 9.1 megohm, typed in four-band mode either in its
// natural unit or in ohms, gives bands that read back as the same value.
TEST(ResistorCodeTest, EveryE24ValueSurvivesTheRoundTrip) {
    const int e24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    const char* units[] = {"R", "K", "M"};
    int checked = 0;
    for (int decade = 0; decade <= 6; ++decade) {
        for (int mantissa : e24) {
            // value in tenths of the unit of its decade's group
            const int group = decade / 3;
            const int shift = decade % 3;  // 0: x.y, 1: xy, 2: xy0
            QString typed;
            if (shift == 0)
                typed = QStringLiteral("%1.%2").arg(mantissa / 10).arg(mantissa % 10);
            else if (shift == 1)
                typed = QString::number(mantissa);
            else
                typed = QString::number(mantissa * 10);
            const QString unit = QString::fromLatin1(units[group]);

            long long ohmsTenths = mantissa;  // ohms x 10 at decade 0
            for (int i = 0; i < decade; ++i) ohmsTenths *= 10;
            const QString ohms = ohmsTenths % 10 == 0
                                     ? QString::number(ohmsTenths / 10)
                                     : QStringLiteral("%1.%2").arg(ohmsTenths / 10).arg(ohmsTenths % 10);

            for (const auto& [text, textUnit] : {std::pair{typed, unit}, std::pair{ohms, QStringLiteral("R")}}) {
                const auto bands = ValueToBands(BandMode::Four, BandCodes{}, text, textUnit,
                                                QStringLiteral("\u00b15%"), kC);
                ASSERT_TRUE(bands) << text.toStdString();
                const ResistorReading back = BandsToValue(BandMode::Four, *bands);
                EXPECT_EQ(FormatResistorValue(back.value, kC),
                          FormatResistorValue(typed.toDouble(), kC))
                    << text.toStdString() << textUnit.toStdString();
                EXPECT_EQ(back.unit, unit) << text.toStdString();
                EXPECT_EQ(back.tolerance, QStringLiteral("\u00b15%"));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 7 * 24 * 2);
}

}  // namespace
}  // namespace sw
