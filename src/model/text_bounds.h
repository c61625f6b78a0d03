// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds on the text the program draws or quotes, whatever a file holds. The
// stored text stays whole; only what is shown is cut:
// - a drawn text keeps at most kMaxDrawnCharacters characters, each with at most
//   kMaxCombiningMarks combining marks (no script needs more on one letter), so
//   a letter with a million accents or a value of fifty megabytes costs no more
//   to draw than a long label;
// - a message quotes a short single-line excerpt of file content.

#include <QString>
#include <pugixml.hpp>

namespace sw {

constexpr int kMaxDrawnCharacters = 1000;
// Even on a small canvas (a body image) a label keeps this many characters.
constexpr int kMinDrawnCharacters = 64;
// The free texts of one repaint draw at most this many characters in all: a
// hundred screens full, far above any layout, and a repaint of tens of
// milliseconds whatever the file holds.
constexpr int kMaxDrawnCharactersPerPaint = 200000;
constexpr int kMaxCombiningMarks = 30;
// What a message quotes of a name or value from a file.
constexpr int kExcerptCharacters = 40;
// What the explorer shows of a name on its one line.
constexpr int kShownNameCharacters = 200;
// A message box shows at most this many lines of at most this many characters,
// so it always fits the screen with its buttons.
constexpr int kMessageLines = 20;
constexpr int kMessageLineCharacters = 160;

// The part of `text` that is drawn: at most `limit` characters (code points),
// combining marks beyond kMaxCombiningMarks on one character left out.
QString DrawnText(const QString& text, int limit = kMaxDrawnCharacters);
// The drawn part of an attribute, read from only as many of its UTF-8 bytes as
// can be drawn (a 50 MB value is not converted whole on every repaint).
QString DrawnTextAttr(pugi::xml_node node, const char* name);
QString DrawnText(const char* utf8);

// A short quote for a message: the first line of `text`, at most `limit` drawn
// characters, with "..." when anything was left out.
QString Excerpt(const QString& text, int limit = kExcerptCharacters);
// The text a message box shows: its first kMessageLines lines, each cut to
// kMessageLineCharacters, "..." marking what was left out.
QString ShownMessage(const QString& text);

}  // namespace sw
