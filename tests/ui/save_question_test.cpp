// SPDX-License-Identifier: GPL-3.0-or-later
// Two editors on one file: Save asks before it replaces a file that changed on
// disk since it was opened or last saved.

#include "test_main_form.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

const QByteArray kTheirs =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="theirs" Credits=""/>)";

TEST(SaveQuestion, AFileChangedOnDiskIsReplacedOnlyWhenTheUserSaysSo) {
    const struct {
        const char* name;
        std::function<void(const QString&)> meanwhile;  // what happens to the file
        bool asked;
        std::optional<MessageAnswer> answer;
        bool replaced;
    } cases[] = {
        {"nothing happened", [](const QString&) {}, false, {}, true},
        {"another editor saved; No", [](const QString& p) { Write(p, kTheirs); }, true, MessageAnswer::No, false},
        {"another editor saved; Yes", [](const QString& p) { Write(p, kTheirs); }, true, MessageAnswer::Yes, true},
        {"replaced by a file of the same size",
         [](const QString& p) {
             const QByteArray same(Read(p).size(), ' ');
             QFile::remove(p);
             Write(p, same);
         },
         true, MessageAnswer::No, false},
        {"removed", [](const QString& p) { QFile::remove(p); }, false, {}, true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shared.swb"));
        ASSERT_TRUE(QFile::copy(test::ExamplePath(QStringLiteral("stripboard.swb")), path));
        ScriptedDialogs dialogs;
        TMainForm window(test::TestFormOptions(dialogs, {path}));
        ASSERT_EQ(window.FileName(), path);
        SetAttr(window.Document().Root(), "Project", QStringLiteral("ours"));
        window.SetModified(true);
        c.meanwhile(path);
        if (c.answer) dialogs.AnswerMessage(*c.answer);
        window.SaveProject();

        const auto asked = dialogs.CallsOf(ScriptedDialogs::Type::Message);
        ASSERT_EQ(asked.size(), c.asked ? 1u : 0u) << c.name;
        if (c.asked)
            EXPECT_EQ(asked[0].text, path + QStringLiteral(" has changed on disk since it was opened or "
                                                           "last saved. Replace it with this layout?"));
        EXPECT_EQ(Read(path).contains("Project=\"ours\""), c.replaced) << c.name;
        EXPECT_EQ(window.Modified(), !c.replaced) << c.name;

        // After its own save the editor asks no more.
        if (c.replaced) {
            window.SetModified(true);
            window.SaveProject();
            EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Type::Message).size(), asked.size()) << c.name;
        }
    }
}

}  // namespace
}  // namespace sw
