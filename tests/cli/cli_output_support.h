// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the output commands' tests: run a command in-process, write a
// layout file, render a PDF page with pdftoppm.

#include "cli/command_line.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace sw::test {

struct CommandRun {
    int code = -1;
    QString out;
    QString err;
};

inline CommandRun RunCli(const QStringList& args) {
    CommandRun run;
    QTextStream out(&run.out), err(&run.err);
    run.code = RunCommandLine(args, out, err);
    out.flush();
    err.flush();
    return run;
}

inline QString WriteLayout(const QDir& dir, const QString& name, const QByteArray& xml) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(xml);
    return path;
}

// The first page of `pdf` rendered at `dpi` pixels per inch, or a null image
// when pdftoppm is missing or fails.
inline QImage RenderPdfPage(const QString& pdf, int dpi) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess process;
    process.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), pdf, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels darker than mid-grey.
inline QRect DarkBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace sw::test
