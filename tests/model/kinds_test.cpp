// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "model/kinds.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

// The enumeration, the element names and the catalogue agree for every kind:
// a node named by a row is that row's kind and no other.
TEST(Kinds, EveryCatalogueRowIsItsKindAndNoOther) {
    pugi::xml_document doc;
    for (const CatalogueEntry& row : Catalogue()) {
        const pugi::xml_node node = doc.append_child(row.element);
        EXPECT_EQ(KindOf(node), std::optional(kind::Index(row.index))) << row.element;
        for (const CatalogueEntry& other : Catalogue())
            EXPECT_EQ(IsKind(node, kind::Index(other.index)), other.index == row.index)
                << row.element << " as " << other.element;
    }
    for (const char* notAKind : {"Layout", "pad", "Cut Track", ""})
        EXPECT_EQ(KindOf(doc.append_child(notAKind)), std::nullopt) << notAKind;
}

// The stored names of the kinds whose enumerator differs from them.
TEST(Kinds, ElementNamesOfTheRenamedKinds) {
    const std::pair<kind::Index, const char*> cases[] = {
        {kind::CutTrack, "Cut"},   {kind::SolderPad, "Pad"},      {kind::DilIc, "IC"},
        {kind::SilIc, "LineIC"},   {kind::Potentiometer, "Pot"},  {kind::AudioJack, "Jack"},
        {kind::TubeSocket, "Tube"},
    };
    for (const auto& [kind, element] : cases)
        EXPECT_STREQ(ElementName(kind), element);
}

// A layer's table answers for the kind an element stores, row for row, and
// for no element that is not a component.
TEST(Kinds, KindRowIsTheRowOfTheElementsKind) {
    int table[kKindCount];
    for (int i = 0; i < kKindCount; ++i)
        table[i] = 100 + i;
    pugi::xml_document doc;
    for (int i = 0; i < kKindCount; ++i) {
        const int* row = KindRow(table, doc.append_child(ElementName(kind::Index(i))));
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row, &table[i]) << ElementName(kind::Index(i));
    }
    for (const char* notAKind : {"Layout", "resistor", ""})
        EXPECT_EQ(KindRow(table, doc.append_child(notAKind)), nullptr) << notAKind;
    EXPECT_EQ(KindRow(table, pugi::xml_node()), nullptr);
}

}  // namespace
}  // namespace sw
