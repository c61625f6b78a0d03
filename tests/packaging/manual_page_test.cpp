// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page stripwright(1): man renders it without a warning, names the
// licence, and describes every command and every option that `stripwright --help`
// lists.

#include "packaging_support.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunTool;
using test::ToolRun;

// The page as man shows it on an 80-column terminal; warnings go to `warnings`.
QString RenderedPage(QByteArray* warnings = nullptr) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    env.remove(QStringLiteral("MAN_KEEP_FORMATTING"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    const ToolRun man = RunTool(QStringLiteral("man"),
                                {QStringLiteral("--warnings=all"), QStringLiteral("--encoding=UTF-8"),
                                 QStringLiteral("--local-file"), test::PackagingFile(QStringLiteral("stripwright.1.gz"))},
                                env);
    EXPECT_EQ(man.exitCode, 0) << man.err.toStdString();
    if (warnings)
        *warnings = man.err;
    // Hyphens that man turned into Unicode ones read back as ASCII.
    return QString::fromUtf8(man.out).replace(QChar(0x2010), QLatin1Char('-')).replace(QChar(0x2212), QLatin1Char('-'));
}

// The text of one section: from its heading to the next one.
QString Section(const QString& page, const QString& heading) {
    const QRegularExpression range(QStringLiteral("^%1\\n(.*?)(?=^\\S|\\z)").arg(heading),
                                   QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    return range.match(page).captured(1);
}

TEST(ManualPage, RendersWithoutWarningsAndHasEverySection) {
    QByteArray warnings;
    const QString page = RenderedPage(&warnings);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
    for (const char* heading : {"NAME", "SYNOPSIS", "DESCRIPTION", "COMMANDS", "OPTIONS", "EXIT STATUS", "FILES",
                                "EXAMPLES", "COPYRIGHT", "SEE ALSO"})
        EXPECT_FALSE(Section(page, QLatin1String(heading)).trimmed().isEmpty()) << heading << "\n" << page.toStdString();
    EXPECT_TRUE(page.startsWith(QLatin1String("STRIPWRIGHT(1)"))) << page.toStdString();
    const QString copyright = Section(page, QStringLiteral("COPYRIGHT")).simplified();
    for (const char* words : {"GPL-3.0-or-later", "/usr/share/common-licenses/GPL-3"})
        EXPECT_TRUE(copyright.contains(QLatin1String(words))) << words << "\n" << copyright.toStdString();
}

TEST(ManualPage, DescribesEveryCommandOptionAndExitStatusOfTheHelp) {
    const QString page = RenderedPage();
    const QStringList commands = test::HelpCommands();
    ASSERT_GE(commands.size(), 6);
    const QString commandSection = Section(page, QStringLiteral("COMMANDS"));
    const QString synopsis = Section(page, QStringLiteral("SYNOPSIS"));
    for (const QString& command : commands) {
        const QRegularExpression entry(QStringLiteral("^       %1 ").arg(QRegularExpression::escape(command)),
                                       QRegularExpression::MultilineOption);
        EXPECT_TRUE(commandSection.contains(entry)) << command.toStdString() << "\n" << commandSection.toStdString();
        EXPECT_TRUE(synopsis.contains(QStringLiteral("stripwright %1 ").arg(command))) << command.toStdString();
    }
    // Each option of the help has a paragraph of its own under OPTIONS: an
    // option the help gains is to be described in data/man/stripwright.1.in.
    const QStringList options = test::HelpOptions();
    ASSERT_FALSE(options.isEmpty());
    const QString optionSection = Section(page, QStringLiteral("OPTIONS"));
    for (const QString& option : options) {
        const QRegularExpression paragraph(QStringLiteral("^       %1\\b").arg(QRegularExpression::escape(option)),
                                           QRegularExpression::MultilineOption);
        EXPECT_TRUE(optionSection.contains(paragraph))
            << option.toStdString() << " is not described under OPTIONS in data/man/stripwright.1.in:\n"
            << optionSection.toStdString();
    }
    const QString exitStatus = Section(page, QStringLiteral("EXIT STATUS"));
    for (const char* code : {"0", "1", "2"})
        EXPECT_TRUE(exitStatus.contains(QRegularExpression(QStringLiteral("^       %1\\s").arg(QLatin1String(code)),
                                                           QRegularExpression::MultilineOption)))
            << code << "\n" << exitStatus.toStdString();
}

}  // namespace
}  // namespace sw
