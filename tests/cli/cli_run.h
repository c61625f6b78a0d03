// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real program with arguments and collects what it printed.

#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace sw::test {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline QProcessEnvironment OffscreenEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

inline ProgramRun RunProgram(const QStringList& args,
                             const QProcessEnvironment& env = OffscreenEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(ProgramPath(), args);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteTextFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

}  // namespace sw::test
