// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's output items run the output commands on the window's
// document, with the explorer's selection cleared first.

#include "ui/main_form_output.h"

#include "test_main_form.h"
#include "ui/explorer.h"
#include "ui/main_form.h"
#include "ui/main_form_probe.h"
#include "ui/output_commands.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;
using Type = ScriptedDialogs::Type;

class MainFormOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>(test::TestFormOptions(dialogs));
    }
    void Trigger(Command command) {
        const QList<QAction*> actions = form->ActionsOf(command);
        ASSERT_FALSE(actions.isEmpty());
        ASSERT_TRUE(actions.first()->isEnabled());
        actions.first()->trigger();
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormOutputTest, ExportBillOfMaterialsAsksForTheFileAndWritesTheList) {
    const QString path = dir.filePath("parts.txt");
    dialogs.AnswerSaveFile(path);
    Trigger(Command::ExportBom);
    ASSERT_EQ(dialogs.CallsOf(Type::SaveFile).size(), 1u);
    EXPECT_EQ(dialogs.CallsOf(Type::SaveFile)[0].request.proposedFileName, "bom.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Project: New Project\r\n"));
}

TEST_F(MainFormOutputTest, RenderImageWritesTheWindowsLayoutWithNothingSelected) {
    (*test::Controls(*form).List).selectAll();
    const QString path = dir.filePath("render.bmp");
    dialogs.AnswerSaveFile(path).AnswerMessage(MessageAnswer::No);
    Trigger(Command::RenderImage);
    EXPECT_EQ(QImageReader::imageFormat(path), QByteArray("bmp"));
    EXPECT_TRUE((*test::Controls(*form).List).selectedItems().isEmpty());
    ASSERT_EQ(dialogs.CallsOf(Type::Message).size(), 1u);
    EXPECT_EQ(dialogs.CallsOf(Type::Message)[0].text, kRenderCompleteQuestion);
}

TEST_F(MainFormOutputTest, PrintPnpPrintsTheWindowsLayout) {
    form->Document().Root().attribute("Type") = "PCB";
    const QString pdf = dir.filePath("pnp.pdf");
    dialogs.AnswerPrintDialog(pdf);
    Trigger(Command::PrintPnp);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

}  // namespace
}  // namespace sw
