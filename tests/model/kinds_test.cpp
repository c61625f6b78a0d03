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

}  // namespace
}  // namespace sw
