// SPDX-License-Identifier: GPL-3.0-or-later
// Every hostile file opened in the editor through its Open command: a refused
// file leaves an error box and the previous layout, name and flags as they
// were; an opened one fills the explorer with one entry per component and
// paints, plain, with everything selected and in reveal mode.

#include "hostile_layouts.h"
#include "model/catalogue.h"
#include "test_support.h"
#include "ui/explorer.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"
#include "ui/test_main_form.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

int ExplorerEntries(TMainForm& form) {
    int entries = 0;
    for (int kind = 0; kind < kKindCount; ++kind)
        if (QTreeWidgetItem* category = (*test::Controls(form).List).CategoryItem(kind))
            entries += category->childCount();
    return entries;
}

class HostileWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>(test::TestFormOptions(dialogs));
        form->MaximiseAfterStart();
    }
    // Opens `path` through the Open command and states what must follow.
    void OpenAndCheck(const QString& path) {
        SCOPED_TRACE(path.toStdString());
        const std::string before = form->Document().ToText();
        const QString nameBefore = form->FileName();
        LayoutDocument expected;
        const LoadResult load = expected.LoadFile(path);
        const size_t messagesBefore = dialogs.CallsOf(ScriptedDialogs::Type::Message).size();
        dialogs.AnswerOpenFile(path);
        if (!load.ok)
            dialogs.AnswerMessage(MessageAnswer::Ok);
        form->OpenProject();
        const auto messages = dialogs.CallsOf(ScriptedDialogs::Type::Message);
        if (!load.ok) {
            ASSERT_EQ(messages.size(), messagesBefore + 1);
            EXPECT_EQ(messages.back().text, load.message);
            EXPECT_EQ(form->Document().ToText(), before);
            EXPECT_EQ(form->FileName(), nameBefore);
            return;
        }
        EXPECT_EQ(messages.size(), messagesBefore);
        EXPECT_EQ(form->FileName(), path);
        EXPECT_FALSE(form->Modified());
        int components = 0;
        expected.ForEachComponent([&](pugi::xml_node, unsigned) { ++components; });
        EXPECT_EQ(ExplorerEntries(*form), components);
        form->FormPaint();
        (*test::Controls(*form).List).selectAll();
        form->FormPaint();
        form->SetReveal(true);
        form->FormPaint();
        form->SetReveal(false);
        (*test::Controls(*form).List).clearSelection();
        EXPECT_EQ(form->BoardImage().size(), QSize(2000, 1200));
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(HostileWindow, EveryHostileFileIsRefusedOrOpensAndPaints) {
    const QDir dir(test::DataPath(QStringLiteral("hostile")));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        OpenAndCheck(dir.filePath(name));
}

TEST_F(HostileWindow, TheBigGeneratedLayoutsOpenAndPaint) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    for (const char* name : {"name-100000-characters", "unknown-elements-10000-deep",
                             "components-100000", "unknown-elements-20000-deep",
                             "text-letter-with-a-million-accents", "damaged-name-50000-lines"}) {
        const QString path = temp.filePath(QLatin1String(name) + QStringLiteral(".swb"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GeneratedHostileLayout(QLatin1String(name)));
        file.close();
        OpenAndCheck(path);
    }
}

// The first edit of a deep file takes its undo snapshot, and Save writes it, in
// proportion to the file (each was 800 MB for 20 000 levels).
TEST_F(HostileWindow, ADeepFileIsSnapshotAndSavedInProportion) {
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("deep.swb"));
    const QByteArray bytes = GeneratedHostileLayout(QStringLiteral("unknown-elements-20000-deep"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    OpenAndCheck(path);
    form->Session().Edit(EditKind::Move, QStringLiteral("Move"), [] {
        EditResult unchanged;
        unchanged.modified = false;
        return unchanged;
    });
    EXPECT_TRUE(form->CanUndo());
    form->SaveProject();
    EXPECT_LT(QFileInfo(path).size(), bytes.size() * 2);
    LayoutDocument reopened;
    EXPECT_TRUE(reopened.LoadFile(path).ok);
}

}  // namespace
}  // namespace sw
