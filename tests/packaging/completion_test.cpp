// SPDX-License-Identifier: GPL-3.0-or-later
// The bash completion, driven as bash drives it: bash-completion loads it on
// demand from the data folders, and each typed line is completed by calling
// the registered function with COMP_WORDS and COMP_CWORD set, in a folder of
// layouts, pictures and texts.

#include "packaging_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunTool;
using test::ToolRun;

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Reads typed lines on standard input (an empty current word is a trailing
// space) and prints the sorted completions of each on a line; first prints
// how the completion is registered.
constexpr const char* kDriver = R"(
source /usr/share/bash-completion/bash_completion || exit 3
__load_completion stripwright || exit 4
complete -p stripwright
while IFS= read -r line; do
    read -ra typed <<<"$line"
    [[ -z $line || $line == *' ' ]] && typed+=("")
    COMP_WORDS=(stripwright "${typed[@]}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="stripwright $line"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _stripwright stripwright "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort -u | tr '\n' ' '
    echo
done
)";

class Completion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QDir d(dir.path());
        // Where bash-completion looks for a command's completion: the data
        // folders' bash-completion/completions/ (the install puts it in /usr/share's).
        ASSERT_TRUE(d.mkpath(QStringLiteral("share/bash-completion/completions")));
        ASSERT_TRUE(QFile::copy(test::PackagingFile(QStringLiteral("stripwright.bash")),
                                d.filePath(QStringLiteral("share/bash-completion/completions/stripwright"))));
        ASSERT_TRUE(d.mkpath(QStringLiteral("work/sub")));
        for (const char* name : {"a.swb", "notes.txt", "pic.png", "pic.gif", "pic.jpg", "pic.bmp", "doc.pdf"})
            ASSERT_TRUE(WriteFile(d.filePath(QStringLiteral("work/") + QLatin1String(name)), "x"));
        ASSERT_TRUE(WriteFile(d.filePath(QStringLiteral("work/board.swb")),
                                        "<Layout Type=\"Stripboard\" Width=\"20\" Height=\"10\">\n"
                                        "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Name=\"R1\" />\n"
                                        "  <Capacitor Name=\"C12\" Value=\"1uF\" X1=\"2\" Y1=\"2\" X2=\"3\" Y2=\"2\"/>\n"
                                        "</Layout>\n"));
    }

    // The completions of each typed line, space-separated and sorted; the
    // first line of the result is the `complete -p` registration.
    QStringList Complete(const QStringList& lines) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("BASH_COMPLETION_USER_DIR"), dir.filePath(QStringLiteral("none")));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), dir.filePath(QStringLiteral("share")));
        env.insert(QStringLiteral("PWD"), dir.filePath(QStringLiteral("work")));
        const QString script = QStringLiteral("cd %1 || exit 2\n").arg(dir.filePath(QStringLiteral("work"))) +
                               QLatin1String(kDriver);
        const ToolRun bash = RunTool(QStringLiteral("bash"), {QStringLiteral("--norc"), QStringLiteral("-c"), script},
                                     env, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        EXPECT_EQ(bash.exitCode, 0) << bash.err.toStdString();
        QStringList out = QString::fromUtf8(bash.out).split(QLatin1Char('\n'));
        if (!out.isEmpty() && out.last().isEmpty())
            out.removeLast();
        for (QString& line : out)
            line = line.trimmed();
        return out;
    }

    QTemporaryDir dir;
};

TEST_F(Completion, IsFoundByBashCompletionAndOffersEveryCommandOfTheHelp) {
    const QStringList out = Complete({QString(), QStringLiteral("-")});
    ASSERT_EQ(out.size(), 3);
    EXPECT_EQ(out[0], QStringLiteral("complete -F _stripwright stripwright"));
    const QStringList offered = out[1].split(QLatin1Char(' '));
    const QStringList commands = test::HelpCommands();
    ASSERT_GE(commands.size(), 6);
    for (const QString& command : commands)
        EXPECT_TRUE(offered.contains(command)) << command.toStdString() << " not in: " << out[1].toStdString();
    // The editor opens a layout: the layouts come with the commands.
    EXPECT_TRUE(offered.contains(QStringLiteral("a.swb")) && offered.contains(QStringLiteral("board.swb")));
    EXPECT_FALSE(offered.contains(QStringLiteral("notes.txt")));
    EXPECT_EQ(out[2], QStringLiteral("--help --version"));
}

TEST_F(Completion, CompletesEachArgumentByWhatTheCommandTakes) {
    struct Case {
        const char* typed;
        const char* expected;
    };
    // Folders ("sub") come with files, to go into.
    const Case cases[] = {
        {"rend", "render render-board"},
        {"bom ", "a.swb board.swb sub"},
        {"bom a.swb ", "notes.txt sub"},
        {"bom a.swb out.txt ", ""},
        {"connect board.swb ", ""},
        {"render a.swb ", "pic.bmp pic.gif pic.jpg pic.png sub"},
        {"render-board a.swb ", "pic.png sub"},
        {"render-board board.swb out.png ", "--reveal --select"},
        {"render-board board.swb out.png --select ", "C12 R1"},
        {"render-board board.swb out.png --select R1 --reveal -", "--reveal --select"},
        {"render-board board.swb out.png --select C", "C12"},
        {"pnp a.swb ", "pic.gif sub"},
        {"pnp a.swb -", "--page --pdf"},
        {"pnp a.swb --pdf ", "doc.pdf sub"},
        {"pnp a.swb --pdf x.pdf --page ", "a4 letter"},
        {"pnp a.swb x.gif ", "--page --pdf"},
        {"print a.swb ", "doc.pdf sub"},
        {"print a.swb doc.pdf --page l", "letter"},
        {"print --page a4 a.swb ", "doc.pdf sub"},
        {"gerber board.swb ", "sub"},
        {"gerber board.swb sub ", "--drill"},
        {"gerber board.swb sub --drill ", ""},
        {"no-such-command ", ""},
        {"a.swb ", ""},
    };
    QStringList lines;
    for (const Case& c : cases)
        lines << QLatin1String(c.typed);
    const QStringList out = Complete(lines);
    ASSERT_EQ(out.size(), int(std::size(cases)) + 1) << out.join(QLatin1Char('\n')).toStdString();
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(out[int(i) + 1], QLatin1String(cases[i].expected)) << "typed: stripwright " << cases[i].typed;
}

}  // namespace
}  // namespace sw
