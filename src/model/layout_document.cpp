// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layout_document.h"

#include "model/atomic_file.h"
#include "model/catalogue.h"
#include "model/kinds.h"
#include "model/layout_file_reader.h"
#include "model/layout_validation.h"
#include "model/nul_characters.h"

#include <QLocale>

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

namespace sw {
namespace {

// Comments, processing instructions, the declaration and a DOCTYPE are kept in
// their places. pugixml never expands entities declared in a DOCTYPE, so a
// hostile file cannot blow up in memory.
constexpr unsigned kParseOptions = pugi::parse_full;

// Elements deeper than this are written without indentation: the indentation of
// a line grows with its depth, so a file of unknown elements nested 20 000 deep
// (260 KB) would otherwise be saved as 800 MB. Without it the saved text grows
// with the file, and means the same (the reader drops whitespace between
// elements). Real layouts nest two or three levels.
constexpr int kIndentedDepth = 32;

// The depth of the deepest element, counted without recursion.
int ElementDepth(const pugi::xml_document& doc) {
    int deepest = 0;
    int depth = 0;
    pugi::xml_node node = doc.first_child();
    while (node) {
        if (node.type() == pugi::node_element)
            deepest = std::max(deepest, depth + 1);
        if (node.first_child()) {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
        }
        if (node)
            node = node.next_sibling();
    }
    return deepest;
}

}  // namespace

LayoutDocument::LayoutDocument() { SetDefault(); }

void LayoutDocument::SetDefault() {
    ++m_generation;
    m_doc.reset();
    pugi::xml_node root = m_doc.append_child("Layout");
    root.append_attribute("Width") = "20";
    root.append_attribute("Height") = "10";
    root.append_attribute("Type") = "Stripboard";
    root.append_attribute("Project") = "New Project";
    root.append_attribute("Credits") = "Open \"Properties\" to modify layout";
}

void LayoutDocument::SetNew(const QString& type, int width, int height, const QString& project,
                            const QString& credits, bool hideList) {
    ++m_generation;
    m_doc.reset();
    pugi::xml_node root = m_doc.append_child("Layout");
    SetAttr(root, "Type", type);
    SetAttr(root, "Width", width);
    SetAttr(root, "Height", height);
    SetAttr(root, "Project", project);
    SetAttr(root, "Credits", credits);
    SetAttr(root, "HideList", hideList ? QStringLiteral("True") : QStringLiteral("False"));
}

LoadResult LayoutDocument::LoadFile(const QString& path) {
    const FileBytes file = ReadLayoutFileBytes(path);
    if (!file.ok)
        return {false, file.message};
    return LoadBytes(file.bytes, path);
}

LoadResult LayoutDocument::LoadBytes(const QByteArray& bytes, const QString& path) {
    pugi::xml_document parsed;
    pugi::xml_parse_result result =
        parsed.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions);
    // Checked first: a NUL can itself be why the parse stopped.
    if (const std::optional<qsizetype> nul = FindNulCharacter(bytes, result.encoding))
        return {false, QStringLiteral("\"%1\" is not a valid layout file: it holds the character "
                                      "NUL, which XML forbids, at offset %2")
                           .arg(path)
                           .arg(qlonglong(*nul))};
    if (!result)
        return {false, QStringLiteral("\"%1\" is not a valid layout file: %2 at offset %3")
                           .arg(path, QString::fromUtf8(result.description()))
                           .arg(qlonglong(result.offset))};
    const LoadResult adopted = Adopt(parsed);
    if (!adopted.ok)
        return {false, QStringLiteral("\"%1\": %2").arg(path, adopted.message)};
    return adopted;
}

LoadResult LayoutDocument::LoadText(const std::string& text) {
    pugi::xml_document parsed;
    // Text inside the program is UTF-8 whatever a declaration in it claims (an
    // undo snapshot keeps the declaration of the file it came from).
    pugi::xml_parse_result result =
        parsed.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
    if (!result)
        return {false, QStringLiteral("Not a valid layout: %1 at offset %2")
                           .arg(QString::fromUtf8(result.description()))
                           .arg(qlonglong(result.offset))};
    return Adopt(parsed);
}

namespace {

int CountComponents(pugi::xml_node root) {
    int count = 0;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
        count += child.type() == pugi::node_element && LayoutDocument::IsComponentKind(child.name());
    return count;
}

}  // namespace

QString PartsText(qint64 count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > (digits.startsWith(QLatin1Char('-')) ? 1 : 0); at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return digits;
}

int LayoutDocument::ComponentCount() const { return CountComponents(Root()); }

LoadResult LayoutDocument::Adopt(pugi::xml_document& parsed) {
    const QString problem = FindLayoutDamage(parsed);
    if (!problem.isEmpty())
        return {false, problem};
    if (const int count = CountComponents(parsed.document_element()); count > kMaxComponents)
        return {false, QStringLiteral("it holds %1 parts, more than the %2 a layout may hold")
                           .arg(PartsText(count), PartsText(kMaxComponents))};
    ++m_generation;
    m_doc = std::move(parsed);  // takes the parsed tree over without copying it
    // The document is written back as UTF-8, so a kept declaration must say so:
    // a file that declared ISO-8859-1 would otherwise be saved as UTF-8 bytes
    // under its old label, and its accented text garbled when opened again.
    for (pugi::xml_node node = m_doc.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_declaration)
            continue;
        pugi::xml_attribute encoding = node.attribute("encoding");
        if (encoding && QByteArray(encoding.value()).toUpper() != "UTF-8")
            encoding.set_value("UTF-8");
    }
    return {true, {}};
}

std::string LayoutDocument::ToText() const {
    std::ostringstream out;
    const char* indent = ElementDepth(m_doc) <= kIndentedDepth ? "  " : "";
    m_doc.save(out, indent, pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

WriteResult LayoutDocument::SaveFile(const QString& path) const {
    // What cannot be opened again is not written: the old file is worth more.
    if (const int count = ComponentCount(); count > kMaxComponents)
        return {false, QStringLiteral("Cannot save \"%1\": the layout holds %2 parts, more than the "
                                      "%3 a layout may hold; the file was left as it was.")
                           .arg(path, PartsText(count), PartsText(kMaxComponents))};
    const std::string text = ToText();
    if (qint64(text.size()) > kMaxLayoutFileBytes)
        return {false, QStringLiteral("Cannot save \"%1\": the layout would take %2 MiB, more than "
                                      "the %3 MiB a layout file may have to be opened again; the "
                                      "file was left as it was.")
                           .arg(path)
                           .arg(double(text.size()) / (1024 * 1024), 0, 'f', 1)
                           .arg(kMaxLayoutFileBytes / (1024 * 1024))};
    return WriteFileAtomically(path, QByteArray::fromRawData(text.data(), qsizetype(text.size())));
}

pugi::xml_node LayoutDocument::Root() const {
    pugi::xml_node root = m_doc.document_element();
    if (root && std::strcmp(root.name(), "Layout") == 0)
        return root;
    return {};
}

std::optional<QString> LayoutDocument::GetRootAttribute(const char* name) const {
    pugi::xml_attribute attr = Root().attribute(name);
    if (!attr)
        return std::nullopt;
    return QString::fromUtf8(attr.value());
}

int LayoutDocument::RootInt(const char* name, int fallback) const {
    return IntAttr(Root(), name, fallback);
}

bool LayoutDocument::HideList() const { return BoolAttr(Root(), "HideList"); }

QString LayoutDocument::NextFreeName(const QString& prefix) const {
    // Collect the numbers already taken after this prefix, then take the first gap.
    // With c children the answer is at most c + 1, so larger numbers are ignored
    // (a name such as R99999999 must not make the search allocate for it).
    const QByteArray pre = prefix.toUtf8();
    size_t children = 0;
    for (pugi::xml_node child = Root().first_child(); child; child = child.next_sibling())
        ++children;
    std::vector<char> taken(children + 2, 0);
    for (pugi::xml_node child = Root().first_child(); child; child = child.next_sibling()) {
        const char* name = child.attribute("Name").value();
        if (std::strncmp(name, pre.constData(), size_t(pre.size())) != 0)
            continue;
        const char* digits = name + pre.size();
        if (*digits < '1' || *digits > '9')
            continue;  // "R01" or "R" is not the decimal form of any n
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(digits, &end, 10);
        if (*end != '\0' || errno != 0 || size_t(n) >= taken.size())
            continue;
        taken[size_t(n)] = 1;
    }
    size_t n = 1;
    while (n < taken.size() && taken[n])
        ++n;
    return prefix + QString::number(qulonglong(n));
}

bool LayoutDocument::PadExists(int x, int y, const QString& owner) const {
    const QByteArray ownerUtf8 = owner.toUtf8();
    for (pugi::xml_node child = Root().child(ElementName(kind::SolderPad)); child;
         child = child.next_sibling(ElementName(kind::SolderPad))) {
        if (IntAttr(child, "X1", INT_MIN) == x && IntAttr(child, "Y1", INT_MIN) == y &&
            std::strcmp(child.attribute("Parent").value(), ownerUtf8.constData()) == 0)
            return true;
    }
    return false;
}

unsigned LayoutDocument::KeyOf(pugi::xml_node node) const {
    unsigned key = 0;
    for (pugi::xml_node child = Root().first_child(); child; child = child.next_sibling()) {
        ++key;
        if (child == node)
            return key;
    }
    return 0;
}

pugi::xml_node LayoutDocument::NodeOfKey(unsigned key) const {
    if (key == 0)
        return {};
    unsigned index = 0;
    for (pugi::xml_node child = Root().first_child(); child; child = child.next_sibling()) {
        if (++index == key)
            return child;
    }
    return {};
}

pugi::xml_node LayoutDocument::AppendComponent(const char* kind) {
    return Root().append_child(kind);
}

bool LayoutDocument::IsComponentKind(const char* elementName) {
    return FindKind(elementName) != nullptr;
}

bool LayoutDocument::IsOneHoleKind(const char* elementName) {
    const CatalogueEntry* kind = FindKind(elementName);
    return kind && kind->oneClick;
}

QString TextAttr(pugi::xml_node node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value());
}

std::optional<int> ParseInt(const char* text) {
    if (!text)
        return std::nullopt;
    const char* p = text;
    if (*p == '+' || *p == '-')
        ++p;
    if (*p < '0' || *p > '9')
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (*end != '\0' || errno != 0 || v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return int(v);
}

int IntAttr(pugi::xml_node node, const char* name, int fallback) {
    pugi::xml_attribute attr = node.attribute(name);
    if (!attr)
        return fallback;
    return ParseInt(attr.value()).value_or(fallback);
}

void SetAttr(pugi::xml_node node, const char* name, const QString& value) {
    pugi::xml_attribute attr = node.attribute(name);
    if (!attr)
        attr = node.append_attribute(name);
    attr.set_value(value.toUtf8().constData());
}

void SetAttr(pugi::xml_node node, const char* name, int value) {
    pugi::xml_attribute attr = node.attribute(name);
    if (!attr)
        attr = node.append_attribute(name);
    attr.set_value(value);
}

bool BoolAttr(pugi::xml_node node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value()).compare(QLatin1String("True"),
                                                                     Qt::CaseInsensitive) == 0;
}

double ValueNumber(const QString& value) {
    qsizetype n = 0;
    while (n < value.size() && ((value[n] >= QLatin1Char('0') && value[n] <= QLatin1Char('9')) ||
                                value[n] == QLatin1Char('.') || value[n] == QLatin1Char(',')))
        ++n;
    if (n == 0)
        return 0;
    const QString prefix = value.left(n);
    // By the user's locale, falling back to the C locale, and never with group
    // separators: "1,000" is no thousand.
    const auto convert = [&prefix](QLocale locale, bool* ok) {
        locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
        return locale.toDouble(prefix, ok);
    };
    bool ok = false;
    double v = convert(QLocale::system(), &ok);
    if (!ok)
        v = convert(QLocale::c(), &ok);
    return ok ? v : 0;
}

}  // namespace sw
