// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor saves it opens again: Open, Save and Paste share one bound
// on the parts of a layout and the size of its file.

#include "model/layout_document.h"
#include "model/layout_file_reader.h"
#include "session/editor_session.h"
#include "session/layout_fragment.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

std::string LayoutOfCuts(int count, const std::string& credits = {}) {
    std::string text = "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\" Credits=\"" + credits + "\">";
    text.reserve(text.size() + size_t(count) * 24);
    for (int i = 0; i < count; ++i) text += "<Cut X1=\"1\" Y1=\"1\"/>";
    return text + "</Layout>";
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * size_t(times));
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(LayoutLimits, OpenAcceptsExactlyTheBoundOfParts) {
    LayoutDocument doc;
    EXPECT_TRUE(doc.LoadText(LayoutOfCuts(LayoutDocument::kMaxComponents)).ok);
    EXPECT_EQ(doc.ComponentCount(), LayoutDocument::kMaxComponents);
    const LoadResult over = doc.LoadText(LayoutOfCuts(LayoutDocument::kMaxComponents + 1));
    EXPECT_FALSE(over.ok);
    EXPECT_TRUE(over.message.contains(QStringLiteral("100 001 parts, more than the 100 000"))) << over.message.toStdString();
    EXPECT_EQ(doc.ComponentCount(), LayoutDocument::kMaxComponents) << "the old layout stays";
}

TEST(LayoutLimits, SaveRefusesWhatOpenWouldRefuseAndLeavesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.swb"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\"/>");
    }
    const QByteArray before = Read(path);

    LayoutDocument many;
    ASSERT_TRUE(many.LoadText(LayoutOfCuts(LayoutDocument::kMaxComponents)).ok);
    many.AppendComponent("Cut");  // one past the bound, as no paste would allow
    LayoutDocument large;
    ASSERT_TRUE(large.LoadText(LayoutOfCuts(1, std::string(size_t(kMaxLayoutFileBytes), 'c'))).ok);
    const struct {
        const char* name;
        const LayoutDocument& doc;
        const char* says;
    } cases[] = {{"too many parts", many, "more than the 100 000"},
                 {"too large a file", large, "may have to be opened again"}};
    for (const auto& c : cases) {
        const WriteResult result = c.doc.SaveFile(path);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_TRUE(result.message.contains(QLatin1String(c.says))) << result.message.toStdString();
        EXPECT_EQ(Read(path), before) << c.name;
    }
}

TEST(LayoutLimits, PasteRefusesPartsPastTheBoundAndChangesNothing) {
    const struct {
        const char* name;
        std::string layout;
        std::string clipboard;
        bool pasted;
    } cases[] = {
        {"up to the bound", LayoutOfCuts(LayoutDocument::kMaxComponents - 2), LayoutOfCuts(2), true},
        {"one past the bound", LayoutOfCuts(LayoutDocument::kMaxComponents - 2), LayoutOfCuts(3), false},
        // Only the parts are pasted, not the clipboard layout's own attributes.
        {"credits of the clipboard's layout", LayoutOfCuts(1, std::string(40 << 20, 'a')),
         LayoutOfCuts(1, std::string(30 << 20, 'b')), true},
        {"a part of 30 MB into 40 MB", LayoutOfCuts(1, std::string(40 << 20, 'a')),
         "<LayoutFragment><Cut X1=\"1\" Y1=\"1\" Unknown=\"" + std::string(30 << 20, 'b') +
             "\"/></LayoutFragment>",
         false},
        // A quotation mark is saved as "&quot;": 8 MiB of them take 48 MiB.
        {"escaped text counted as saved", LayoutOfCuts(1, Repeated("&quot;", 8 << 20)),
         "<LayoutFragment><Cut X1=\"1\" Y1=\"1\" Unknown=\"" + Repeated("&lt;", 5 << 20) +
             "\"/></LayoutFragment>",
         false},
    };
    for (const auto& c : cases) {
        EditorSession session;
        ASSERT_TRUE(session.Document().LoadText(c.layout).ok);
        const int before = session.Document().ComponentCount();
        const PasteResult result = PasteFragment(session, c.clipboard);
        if (c.pasted) {
            EXPECT_EQ(result.status, FragmentStatus::Parts) << c.name;
            continue;
        }
        EXPECT_EQ(result.status, FragmentStatus::TooLarge) << c.name;
        EXPECT_TRUE(result.message.contains(QStringLiteral("nothing was pasted"))) << c.name;
        EXPECT_EQ(session.Document().ComponentCount(), before) << c.name;
        EXPECT_FALSE(session.Modified()) << c.name;
        EXPECT_FALSE(session.CanUndo()) << c.name;
    }
}

}  // namespace
}  // namespace sw
