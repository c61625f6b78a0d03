// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open layout: one XML DOM whose root `Layout` holds one child element per
// placed component, named by its kind. There is no separate object model; every
// part of the program reads and writes attributes of these elements by name.

#include "model/write_result.h"

#include <QString>
#include <optional>
#include <pugixml.hpp>
#include <string>

namespace sw {

// Thrown by nothing: failures are returned as messages so the caller decides how
// to show them (a message box in the editor, stderr on the command line).
struct LoadResult {
    bool ok = false;
    QString message;  // the reason when !ok, ready to show to the user
};

class LayoutDocument {
public:
    // The most components a layout may hold (50 times the 2000 parts of a
    // crowded board). Open refuses more, and Paste and Save refuse to make or
    // write a layout that Open would refuse, so whatever the editor saves
    // opens again; it also bounds the memory one layout costs.
    static constexpr int kMaxComponents = 100000;

    LayoutDocument();

    // The start-up document: 20 x 10 stripboard, "New Project", no children.
    void SetDefault();
    // A fresh document from the layout properties dialog's values.
    void SetNew(const QString& type, int width, int height, const QString& project,
                const QString& credits, bool hideList);

    // Parse a file or a text. On success the document is replaced; on failure
    // (unreadable file, XML error with its position, wrong root, damaged
    // coordinates) the previous document stays and the message says why.
    LoadResult LoadFile(const QString& path);
    LoadResult LoadText(const std::string& text);
    // The bytes of a file as LoadFile reads them (encoding from the file's own
    // declaration or byte order mark); `source` names it in messages.
    LoadResult LoadBytes(const QByteArray& bytes, const QString& source);

    // Serialise with indentation and no declaration of our own (a loaded
    // declaration is kept as it was).
    std::string ToText() const;
    // Write atomically: the text goes to a file beside the target that then
    // replaces it, so a failed save never leaves a half-written layout. A
    // layout Open would refuse (more than kMaxComponents, or a text larger than
    // a layout file may be) is not written, and the file stays as it was.
    WriteResult SaveFile(const QString& path) const;
    // The component elements (children of the root of one of the 21 kinds).
    int ComponentCount() const;

    // Raw access may replace the tree, so it counts as a new generation.
    pugi::xml_document& Dom() {
        ++m_generation;
        return m_doc;
    }
    const pugi::xml_document& Dom() const { return m_doc; }
    // Counts the replacements of the whole tree (new, default, loaded, raw
    // access): element handles taken under one generation are meaningless
    // under the next, since their nodes are gone.
    unsigned Generation() const { return m_generation; }

    // The `Layout` root, or a null node when the document has none.
    pugi::xml_node Root() const;

    // The named root attribute, or nothing when it is absent.
    std::optional<QString> GetRootAttribute(const char* name) const;
    int RootInt(const char* name, int fallback = 0) const;
    QString BoardType() const { return GetRootAttribute("Type").value_or(QString()); }
    int BoardWidth() const { return RootInt("Width"); }
    int BoardHeight() const { return RootInt("Height"); }
    bool HideList() const;

    // Smallest "prefix + n" (n = 1, 2, ...) that no child of the root uses as `Name`.
    QString NextFreeName(const QString& prefix) const;
    // True when a `Pad` with these X1, Y1 and `Parent` exists.
    bool PadExists(int x, int y, const QString& owner) const;

    // Identity key of a child of the root: its index among the root's children
    // plus 1 (0 is "nothing"); and the reverse lookup.
    unsigned KeyOf(pugi::xml_node node) const;
    pugi::xml_node NodeOfKey(unsigned key) const;

    // Visits every component element (children whose name is one of the 21 kinds)
    // in document order, passing the element and its identity key.
    template <typename F>
    void ForEachComponent(F&& visit) const {
        unsigned key = 0;
        for (pugi::xml_node child = Root().first_child(); child; child = child.next_sibling()) {
            ++key;
            if (child.type() == pugi::node_element && IsComponentKind(child.name()))
                visit(child, key);
        }
    }

    // Appends a new component element as the root's last child, on a line of its
    // own when saved.
    pugi::xml_node AppendComponent(const char* kind);

    static bool IsComponentKind(const char* elementName);
    // Kinds placed by one hole (no X2, Y2).
    static bool IsOneHoleKind(const char* elementName);

private:
    LoadResult Adopt(pugi::xml_document& parsed);
    pugi::xml_document m_doc;
    unsigned m_generation = 0;
};

// Attribute readers. A text attribute that is absent reads as empty text.
QString TextAttr(pugi::xml_node node, const char* name);
// An integer attribute; opening a file has already checked the required ones, so
// a missing or non-numeric value here (only possible for optional ones) gives
// `fallback`.
int IntAttr(pugi::xml_node node, const char* name, int fallback = 0);
// Strict decimal integer parse (optional sign, digits, fits in int).
std::optional<int> ParseInt(const char* text);
void SetAttr(pugi::xml_node node, const char* name, const QString& value);
void SetAttr(pugi::xml_node node, const char* name, int value);
// A boolean attribute: true when present and "True" (any case).
bool BoolAttr(pugi::xml_node node, const char* name);

// A count of parts as messages write it: 100 000.
QString PartsText(qint64 count);

// The number at the start of a `Value` text (digits, "." and ","): 15px -> 15,
// "px" -> 0.
double ValueNumber(const QString& value);

}  // namespace sw
