// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scripted_dialogs.h"

#include <gtest/gtest-spi.h>

namespace sw::test {
namespace {

TEST(ScriptedDialogs, AnswersInTurnPerKindAndRecordsEveryQuestion) {
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MessageAnswer::Yes)
        .AnswerMessage(MessageAnswer::No)
        .AnswerSaveFile(QStringLiteral("/tmp/a.txt"))
        .AnswerSaveFile(std::nullopt);
    EXPECT_TRUE(dialogs.Confirm(QStringLiteral("first?")));
    FileDialogRequest request;
    request.proposedFileName = QStringLiteral("bom.txt");
    EXPECT_EQ(dialogs.SaveFile(request), QStringLiteral("/tmp/a.txt"));
    EXPECT_FALSE(dialogs.Confirm(QStringLiteral("second?")));
    EXPECT_EQ(dialogs.SaveFile(request), std::nullopt);
    EXPECT_TRUE(dialogs.ScriptUsedUp());

    ASSERT_EQ(dialogs.Calls().size(), 4u);
    EXPECT_EQ(dialogs.Calls()[0].text, QStringLiteral("first?"));
    EXPECT_EQ(dialogs.Calls()[0].kind, MessageKind::Confirm);
    EXPECT_EQ(dialogs.Calls()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.Calls()[1].type, ScriptedDialogs::Type::SaveFile);
    EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Type::Message).size(), 2u);
}

TEST(ScriptedDialogs, AnUnexpectedDialogFailsTheTestAndCancels) {
    ScriptedDialogs dialogs;
    MessageAnswer answer = MessageAnswer::Yes;
    EXPECT_NONFATAL_FAILURE(answer = dialogs.Message(MessageKind::Confirm, QStringLiteral("sure?"),
                                                     MessageButtons::YesNo),
                            "unscripted message box: sure?");
    EXPECT_EQ(answer, MessageAnswer::No);
    std::optional<QString> path = QStringLiteral("x");
    EXPECT_NONFATAL_FAILURE(path = dialogs.SaveFile({}), "unscripted save dialog");
    EXPECT_EQ(path, std::nullopt);

    dialogs.AutoAcknowledge();
    dialogs.ShowError(QStringLiteral("acknowledged without a script"));
    EXPECT_EQ(dialogs.Calls().size(), 3u);
}

}  // namespace
}  // namespace sw::test
