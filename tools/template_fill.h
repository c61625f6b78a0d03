// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the build-time tools share: KEY=VALUE arguments, and a template whose
// every @KEY@ is replaced and written out whole, failing with a message when a
// file cannot be read or written or a placeholder is left unfilled.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace tools {

inline int Fail(const char* tool, const QString& message) {
    std::fprintf(stderr, "%s: %s\n", tool, message.toUtf8().constData());
    return 1;
}

// "KEY=VALUE" arguments into `values`; the empty string, or the argument that
// is not of that form.
inline QString ReadKeyValues(const QStringList& args, QMap<QString, QString>& values) {
    for (const QString& pair : args) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            return QStringLiteral("not KEY=VALUE: %1").arg(pair);
        values.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return {};
}

// TEMPLATE with every @KEY@ of `values` replaced, written to OUT; the empty
// string, or what went wrong.
inline QString FillTemplate(const QString& templatePath, const QMap<QString, QString>& values, const QString& outPath) {
    QFile in(templatePath);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(templatePath, in.errorString());
    QString text = QString::fromUtf8(in.readAll());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        text.replace(QLatin1Char('@') + it.key() + QLatin1Char('@'), it.value());
    const auto left = QRegularExpression(QStringLiteral("@[A-Z_]+@")).match(text);
    if (left.hasMatch())
        return QStringLiteral("%1: nothing fills %2").arg(templatePath, left.captured());
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit())
        return QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString());
    return {};
}

}  // namespace tools
