// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// XML forbids the character NUL, raw or as a reference (&#0;, &#x0;). The parser
// takes a raw NUL as the end of the file and a reference to it as the end of
// the text it stands in, so either would silently cut the layout short: a file
// holding one is refused instead.

#include <QByteArray>
#include <optional>
#include <pugixml.hpp>

namespace sw {

// The byte offset of the first NUL character or reference to one in `bytes`,
// read in `encoding` (as the parser detected it), or nothing.
std::optional<qsizetype> FindNulCharacter(const QByteArray& bytes, pugi::xml_encoding encoding);

}  // namespace sw
