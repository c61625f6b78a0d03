// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's output commands through the scripted dialogs: what is asked, in
// which order, and what ends up in the files.

#include "model/layout_document.h"
#include "scripted_dialogs.h"
#include "render/export/gerber_files.h"
#include "ui/output_commands.h"
#include "ui/wait_form.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;
using Type = ScriptedDialogs::Type;

LayoutDocument Board() {
    LayoutDocument doc;
    EXPECT_TRUE(doc.LoadText("<Layout Type=\"PCB\" Width=\"20\" Height=\"10\" Project=\"Board\" "
                             "Credits=\"\"><Pad X1=\"1\" Y1=\"1\" Value=\"15\" Name=\"P1\"/>"
                             "</Layout>")
                    .ok);
    return doc;
}

TEST(RenderImageCommandTest, AsksForAFileWritesItsFormatAndOffersToOpenIt) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    const struct {
        const char* name;
        const char* format;
    } cases[] = {{"render.GIF", "gif"}, {"render.jpg", "jpeg"}, {"render.jpeg", "bmp"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        ScriptedDialogs dialogs;
        dialogs.AnswerSaveFile(path).AnswerMessage(MessageAnswer::Yes);
        int cleared = 0;
        TWaitForm wait;
        RenderImageCommand({doc, dialogs, [&] { ++cleared; }, &wait});
        EXPECT_EQ(cleared, 1);
        EXPECT_FALSE(wait.isVisible());
        EXPECT_EQ(QImageReader::imageFormat(path), QByteArray(c.format)) << c.name;

        const auto saves = dialogs.CallsOf(Type::SaveFile);
        ASSERT_EQ(saves.size(), 1u);
        EXPECT_EQ(saves[0].request.proposedFileName, QStringLiteral("render.gif"));
        EXPECT_EQ(saves[0].request.filter, kRenderImageFilter);
        EXPECT_EQ(saves[0].request.defaultSuffix, QStringLiteral("gif"));
        const auto messages = dialogs.CallsOf(Type::Message);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kRenderCompleteQuestion);
        EXPECT_EQ(messages[0].kind, MessageKind::Confirm);
        EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
        const auto opens = dialogs.CallsOf(Type::ShellOpen);
        ASSERT_EQ(opens.size(), 1u);
        EXPECT_EQ(opens[0].text, path);
    }
}

TEST(RenderImageCommandTest, NoOpensTheFileNotAndCancelWritesNothing) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    ScriptedDialogs declined;
    declined.AnswerSaveFile(dir.filePath("r.gif")).AnswerMessage(MessageAnswer::No);
    RenderImageCommand({doc, declined, {}, nullptr});
    EXPECT_TRUE(QFile::exists(dir.filePath("r.gif")));
    EXPECT_TRUE(declined.CallsOf(Type::ShellOpen).empty());

    ScriptedDialogs cancelled;
    cancelled.AnswerSaveFile(std::nullopt);
    int cleared = 0;
    RenderImageCommand({doc, cancelled, [&] { ++cleared; }, nullptr});
    EXPECT_EQ(cancelled.Calls().size(), 1u);
    EXPECT_EQ(cleared, 0);
}

TEST(RenderImageCommandTest, FailedWriteClosesTheWaitWindowAndShowsTheError) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    const QString path = dir.filePath("missing/render.gif");
    ScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(path).AnswerMessage(MessageAnswer::Ok);
    TWaitForm wait;
    RenderImageCommand({doc, dialogs, {}, &wait});
    EXPECT_FALSE(wait.isVisible());
    const auto messages = dialogs.CallsOf(Type::Message);
    ASSERT_EQ(messages.size(), 1u);  // the error, and no "Render complete!"
    EXPECT_EQ(messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages[0].text.contains(path)) << messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(RenderPnpCommandTest, SavesTheCopperAsGifNamedPnP) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    const QString path = dir.filePath("copper.gif");
    ScriptedDialogs dialogs;
    dialogs.AnswerSaveFile(path).AnswerMessage(MessageAnswer::No);
    RenderPnpCommand({doc, dialogs, {}, nullptr});
    const auto saves = dialogs.CallsOf(Type::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].request.proposedFileName, QStringLiteral("PnP.gif"));
    EXPECT_EQ(saves[0].request.filter, kRenderPnpFilter);
    EXPECT_EQ(QImage(path).size(), QSize(440, 240));
    EXPECT_EQ(dialogs.CallsOf(Type::Message).at(0).text, kRenderCompleteQuestion);
}

// A stripboard's or perfboard's copper is the board itself: both toner-transfer
// commands say so and ask for nothing, write nothing, print nothing.
TEST(PnpCommandsTest, StripboardAndPerfboardAreToldTonerTransferIsForPcbLayouts) {
    for (const char* type : {"Stripboard", "Perfboard"}) {
        for (auto command : {&RenderPnpCommand, &PrintPnpCommand}) {
            SCOPED_TRACE(type);
            LayoutDocument doc = Board();
            doc.Root().attribute("Type") = type;
            ScriptedDialogs dialogs;
            dialogs.AnswerMessage(MessageAnswer::Ok);
            command({doc, dialogs, {}, nullptr});
            ASSERT_EQ(dialogs.Calls().size(), 1u);
            EXPECT_EQ(dialogs.Calls()[0].kind, MessageKind::Error);
            EXPECT_EQ(dialogs.Calls()[0].text,
                      QStringLiteral("Toner transfer (PnP) is for PCB layouts; this layout's type is "
                                     "\"%1\".").arg(QLatin1String(type)));
        }
    }
}

TEST(PrintCommandsTest, NoPrinterIsReportedAndNothingElseHappens) {
    const LayoutDocument doc = Board();
    for (auto command : {&PrintCommand, &PrintPnpCommand}) {
        ScriptedDialogs dialogs;
        dialogs.SetHasPrinters(false).AnswerMessage(MessageAnswer::Ok);
        int cleared = 0;
        command({doc, dialogs, [&] { ++cleared; }, nullptr});
        ASSERT_EQ(dialogs.Calls().size(), 1u);
        EXPECT_EQ(dialogs.Calls()[0].text, kNoPrintersMessage);
        EXPECT_EQ(dialogs.Calls()[0].kind, MessageKind::Error);
        EXPECT_EQ(dialogs.Calls()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(cleared, 0);
    }
}

TEST(PrintCommandsTest, CancelledDialogPrintsNothingAndAChosenPrinterGetsThePage) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    for (auto command : {&PrintCommand, &PrintPnpCommand}) {
        ScriptedDialogs cancelled;
        cancelled.AnswerPrintDialog(std::nullopt);
        command({doc, cancelled, {}, nullptr});
        EXPECT_EQ(cancelled.Calls().size(), 1u);

        const QString pdf = dir.filePath(command == &PrintCommand ? "print.pdf" : "pnp.pdf");
        ScriptedDialogs printed;
        printed.AnswerPrintDialog(pdf);
        command({doc, printed, {}, nullptr});
        EXPECT_EQ(printed.Calls().size(), 1u);  // no message after a successful print
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(5) == "%PDF-");
    }
}

}  // namespace
}  // namespace sw

namespace sw {
namespace {

TEST(ExportGerberCommandTest, AsksForAFolderWritesTheThreeFilesAndListsThem) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    // Named after the layout's file; the folder is made when missing.
    for (const QString& layoutFile : {dir.filePath("amp.swb"), QString()}) {
        const QString folder = dir.filePath(layoutFile.isEmpty() ? "new/gerber" : "gerber");
        ScriptedDialogs dialogs;
        dialogs.AnswerChooseFolder(folder).AnswerInput(QStringLiteral("0.8")).AnswerMessage(MessageAnswer::Ok);
        ExportGerberCommand({doc, dialogs, {}, nullptr}, layoutFile);
        const auto folders = dialogs.CallsOf(Type::ChooseFolder);
        ASSERT_EQ(folders.size(), 1u);
        EXPECT_EQ(folders[0].caption, QStringLiteral("Export Gerber"));
        EXPECT_EQ(folders[0].initial, layoutFile.isEmpty() ? QString() : dir.path());
        const QString base = layoutFile.isEmpty() ? "layout" : "amp";
        const QStringList files = {folder + "/" + base + "-B_Cu.gbr",
                                   folder + "/" + base + "-Edge_Cuts.gbr", folder + "/" + base + ".drl"};
        for (const QString& file : files)
            EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
        const auto messages = dialogs.CallsOf(Type::Message);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, MessageKind::Information);
        EXPECT_EQ(messages[0].text, kExportCompleteMessage + "\n\n" + files.join('\n'));
    }
}

TEST(ExportGerberCommandTest, CancelRefusalAndFailureEachEndItWithoutAFile) {
    QTemporaryDir dir;
    const LayoutDocument pcb = Board();
    {  // cancelled: nothing asked after the folder dialog
        ScriptedDialogs dialogs;
        dialogs.AnswerChooseFolder(std::nullopt);
        ExportGerberCommand({pcb, dialogs, {}, nullptr}, dir.filePath("a.swb"));
        EXPECT_EQ(dialogs.Calls().size(), 1u);
    }
    {  // not a PCB: said before any folder is asked for
        LayoutDocument strip;
        ASSERT_TRUE(strip.LoadText("<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\"/>").ok);
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MessageAnswer::Ok);
        ExportGerberCommand({strip, dialogs, {}, nullptr}, dir.filePath("a.swb"));
        ASSERT_EQ(dialogs.Calls().size(), 1u);
        EXPECT_EQ(dialogs.Calls()[0].kind, MessageKind::Error);
        EXPECT_TRUE(dialogs.Calls()[0].text.startsWith("Gerber output is for PCB layouts"));
    }
    {  // a layout called board.drl: its drill file in its own folder would replace it
        const QString layout = dir.filePath("board.drl");
        QFile file(layout);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("layout") == 6);
        file.close();
        ScriptedDialogs dialogs;
        dialogs.AnswerChooseFolder(dir.path()).AnswerInput(QStringLiteral("0.8")).AnswerMessage(MessageAnswer::Ok);
        ExportGerberCommand({pcb, dialogs, {}, nullptr}, layout);
        const auto messages = dialogs.CallsOf(Type::Message);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains("is the layout itself")) << messages[0].text.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("board-B_Cu.gbr")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "layout");
    }
    {  // the folder cannot be made: a file stands in its place
        const QString blocked = dir.filePath("blocked");
        QFile file(blocked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        ScriptedDialogs dialogs;
        dialogs.AnswerChooseFolder(blocked + "/gerber").AnswerInput(QStringLiteral("0.8")).AnswerMessage(MessageAnswer::Ok);
        ExportGerberCommand({pcb, dialogs, {}, nullptr}, dir.filePath("a.swb"));
        const auto messages = dialogs.CallsOf(Type::Message);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(messages[0].text.contains("Cannot create the folder")) << messages[0].text.toStdString();
    }
}

// The drill is asked for after the folder: 0.8 mm at first, then what was
// given last; a text that is no diameter is said and asked again, a cancel
// writes nothing.
TEST(ExportGerberCommandTest, AsksForTheDrillAndKeepsItForTheRun) {
    QTemporaryDir dir;
    const LayoutDocument pcb = Board();
    std::int64_t drill = kDefaultDrillUnits;
    const auto drillFile = [&](const QString& folder) {
        QFile file(folder + "/a.drl");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    struct Run {
        QStringList answers;  // the drill box's answers in turn; a null string cancels
        const char* offered;  // what the box shows first
        int errors;           // texts refused before the last answer
        const char* tool;     // the drill file's tool line, or null: nothing written
    };
    const Run runs[] = {
        {{"1.0"}, "0.8", 0, "\nT1C1\n"},
        {{"abc", "12", "0.9"}, "1", 2, "\nT1C0.9\n"},
        {{QString()}, "0.9", 0, nullptr},
        {{"0.9"}, "0.9", 0, "\nT1C0.9\n"},
    };
    for (int i = 0; i < int(std::size(runs)); ++i) {
        SCOPED_TRACE(i);
        const Run& run = runs[i];
        const QString folder = dir.filePath(QStringLiteral("g%1").arg(i));
        ScriptedDialogs dialogs;
        dialogs.AnswerChooseFolder(folder);
        for (const QString& answer : run.answers) {
            dialogs.AnswerInput(answer.isNull() ? std::nullopt : std::optional<QString>(answer));
            dialogs.AnswerMessage(MessageAnswer::Ok);
        }
        ExportGerberCommand({pcb, dialogs, {}, nullptr, nullptr, &drill}, dir.filePath("a.swb"));
        const auto boxes = dialogs.CallsOf(Type::InputBox);
        ASSERT_EQ(boxes.size(), size_t(run.answers.size()));
        EXPECT_EQ(boxes[0].initial, QLatin1String(run.offered));
        EXPECT_EQ(boxes[0].text, kDrillPrompt);
        for (int j = 1; j < boxes.size(); ++j)
            EXPECT_EQ(boxes[j].initial, run.answers[j - 1]);  // the refused text, to mend
        int errors = 0;
        for (const auto& message : dialogs.CallsOf(Type::Message))
            errors += message.kind == MessageKind::Error;
        EXPECT_EQ(errors, run.errors);
        if (run.tool)
            EXPECT_TRUE(drillFile(folder).contains(run.tool)) << drillFile(folder).toStdString();
        else
            EXPECT_FALSE(QFileInfo::exists(folder));
    }
}

// Print offers the page-filling print first and then the size last chosen;
// Print PnP offers no choice, it is always at true scale.
TEST(PrintCommandsTest, PrintOffersActualSizeAndKeepsTheChoiceForTheRun) {
    QTemporaryDir dir;
    const LayoutDocument doc = Board();
    PrintSize size = PrintSize::FillPage;
    const struct {
        std::optional<PrintSize> chosen;  // none: the one offered is kept
        PrintSize offered, kept;
    } prints[] = {
        {PrintSize::ActualSize, PrintSize::FillPage, PrintSize::ActualSize},
        {std::nullopt, PrintSize::ActualSize, PrintSize::ActualSize},
        {PrintSize::FillPage, PrintSize::ActualSize, PrintSize::FillPage},
    };
    for (const auto& p : prints) {
        ScriptedDialogs dialogs;
        dialogs.AnswerPrintDialog(dir.filePath("print.pdf"), p.chosen);
        PrintCommand({doc, dialogs, {}, nullptr, nullptr, nullptr, &size});
        ASSERT_EQ(dialogs.Calls().size(), 1u);  // printed, nothing to say
        EXPECT_EQ(dialogs.Calls()[0].printSize, p.offered);
        EXPECT_EQ(size, p.kept);
    }
    ScriptedDialogs pnp;
    pnp.AnswerPrintDialog(dir.filePath("pnp.pdf"));
    PrintPnpCommand({doc, pnp, {}, nullptr, nullptr, nullptr, &size});
    EXPECT_EQ(pnp.Calls().at(0).printSize, std::nullopt);
}

}  // namespace
}  // namespace sw
