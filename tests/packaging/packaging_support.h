// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the packaging tests share: running a tool, the files every install must
// hold, and the commands and options that the program's --help lists.

#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>

namespace sw::test {

struct ToolRun {
    int exitCode = -1;  // -1: did not start, crashed or timed out
    QByteArray out;
    QByteArray err;
};

inline ToolRun RunTool(const QString& program, const QStringList& args,
                       const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                       const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    ToolRun run;
    if (!process.waitForStarted(30000)) {
        run.err = process.errorString().toUtf8();
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    if (process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        process.kill();
    process.waitForFinished();
    run.out = process.readAllStandardOutput();
    run.err += process.readAllStandardError();
    return run;
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file made by the build for the installation (build/packaging/).
inline QString PackagingFile(const QString& name) {
    return QStringLiteral(SW_BUILD_DIR "/packaging/") + name;
}

// Files that every installation must hold, below the prefix /usr.
inline const QStringList& InstalledFiles() {
    static const QStringList files = {
        QStringLiteral("bin/stripwright"),
        QStringLiteral("share/applications/stripwright.desktop"),
        QStringLiteral("share/mime/packages/stripwright-layout.xml"),
        QStringLiteral("share/icons/hicolor/scalable/apps/stripwright.svg"),
        QStringLiteral("share/icons/hicolor/scalable/mimetypes/application-x-stripwright-layout.svg"),
        QStringLiteral("share/metainfo/org.stripwright.Stripwright.metainfo.xml"),
        QStringLiteral("share/man/man1/stripwright.1.gz"),
        QStringLiteral("share/bash-completion/completions/stripwright"),
        QStringLiteral("share/doc/stripwright/copyright"),
        QStringLiteral("share/doc/stripwright/changelog.gz"),
        QStringLiteral("share/lintian/overrides/stripwright"),
        QStringLiteral("share/stripwright/Tutorials/index.html"),
        QStringLiteral("share/stripwright/examples/stripboard.swb"),
        QStringLiteral("share/stripwright/examples/perfboard.swb"),
        QStringLiteral("share/stripwright/examples/pcb.swb"),
        QStringLiteral("share/stripwright/examples/stripboard.net"),
        QStringLiteral("share/stripwright/examples/perfboard.net"),
        QStringLiteral("share/stripwright/examples/pcb.net"),
    };
    return files;
}

// The program's --help, read the way a user reads it: the commands are the
// entries under "Commands:" (two spaces in, not an option), the options every
// "--word" anywhere in the text.
inline QByteArray ProgramHelp() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return RunTool(ProgramPath(), {QStringLiteral("--help")}, env).out;
}

inline QStringList HelpCommands() {
    QStringList names;
    bool inCommands = false;
    for (const QString& line : QString::fromUtf8(ProgramHelp()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Commands:")))
            inCommands = true;
        else if (line.trimmed().isEmpty())
            inCommands = false;
        else if (inCommands && line.startsWith(QLatin1String("  ")) && line.at(2).isLetter())
            names << line.mid(2).section(QLatin1Char(' '), 0, 0);
    }
    return names;
}

inline QStringList HelpOptions() {
    QStringList options;
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z0-9-]*"));
    for (auto it = option.globalMatch(QString::fromUtf8(ProgramHelp())); it.hasNext();)
        options << it.next().captured();
    options.removeDuplicates();
    return options;
}

}  // namespace sw::test
