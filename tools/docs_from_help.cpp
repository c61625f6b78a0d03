// SPDX-License-Identifier: GPL-3.0-or-later
// Fills the manual page and the bash completion from the program's own --help,
// so both name exactly the commands, arguments, options and exit statuses the
// program accepts. Build-time only; not part of the program.
//
//   sw_docs_from_help PROGRAM TEMPLATE OUT [KEY=VALUE]...
//
// Every @KEY@ of TEMPLATE is replaced, KEY being one of the texts made from the
// help (see Substitutions) or given as KEY=VALUE. A help text that cannot be
// read, or a placeholder left unfilled, fails the build with a message.

#include "template_fill.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace {

struct CommandHelp {
    QString name;
    QString arguments;  // the synopsis after the name: "LAYOUT.swb OUT.txt"
    QString summary;    // "write the bill of materials (...)"
};

struct ExitStatus {
    QString code;
    QString meaning;
};

struct ProgramHelp {
    QList<CommandHelp> commands;
    QStringList options;  // the program's own options: --help, --version
    QList<ExitStatus> exitStatuses;
};

// The help lists commands and options under "Commands:": an entry starts two
// spaces in, its summary follows after a run of spaces or on indented lines
// below; the "Exit status:" paragraph gives "N meaning" items separated by ";".
ProgramHelp ParseHelp(const QString& help, QString& error) {
    ProgramHelp parsed;
    const QStringList lines = help.split(QLatin1Char('\n'));
    static const QRegularExpression entry(QStringLiteral("^  (\\S+)(.*)$"));
    static const QRegularExpression continuation(QStringLiteral("^ {3,}(\\S.*)$"));
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    bool inCommands = false;
    QString exitText;
    bool inExit = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Commands:"))) {
            inCommands = true;
            continue;
        }
        if (line.startsWith(QLatin1String("Exit status:")))
            inExit = true;
        if (line.trimmed().isEmpty()) {
            inCommands = inExit = false;
            continue;
        }
        if (inExit) {
            exitText += QLatin1Char(' ') + line.trimmed();
            continue;
        }
        if (!inCommands)
            continue;
        if (const auto more = continuation.match(line); more.hasMatch() && !parsed.commands.isEmpty()) {
            QString& summary = parsed.commands.last().summary;
            summary = (summary + QLatin1Char(' ') + more.captured(1)).trimmed();
        } else if (const auto m = entry.match(line); m.hasMatch()) {
            if (m.captured(1).startsWith(QLatin1Char('-'))) {
                parsed.options << m.captured(1);
                continue;
            }
            const QString rest = m.captured(2).trimmed();
            const auto split = gap.match(rest);
            CommandHelp command{m.captured(1), rest, QString()};
            if (split.hasMatch()) {
                command.arguments = rest.left(split.capturedStart()).trimmed();
                command.summary = rest.mid(split.capturedEnd()).trimmed();
            }
            parsed.commands << command;
        }
    }
    exitText = exitText.trimmed().mid(int(qstrlen("Exit status:"))).trimmed();
    if (exitText.endsWith(QLatin1Char('.')))
        exitText.chop(1);
    static const QRegularExpression item(QStringLiteral("^(\\d+)\\s+(.+)$"));
    for (const QString& part : exitText.split(QRegularExpression(QStringLiteral(";\\s*(?=\\d+\\s)")))) {
        const auto m = item.match(part.trimmed());
        if (m.hasMatch())
            parsed.exitStatuses << ExitStatus{m.captured(1), m.captured(2)};
    }
    if (parsed.commands.isEmpty())
        error = QStringLiteral("no command found under \"Commands:\"");
    else if (parsed.exitStatuses.isEmpty())
        error = QStringLiteral("no \"Exit status:\" paragraph of \"N meaning; ...\" items");
    for (const CommandHelp& c : parsed.commands)
        if (c.summary.isEmpty())
            error = QStringLiteral("the command \"%1\" has no summary").arg(c.name);
    return parsed;
}

// Running text for roff: backslashes escaped, a hyphen that is a minus sign
// (an option, "-" for standard output) written as one, no line taken for a request.
QString RoffText(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    static const QRegularExpression minus(QStringLiteral("(?<![A-Za-z0-9])-|-(?![A-Za-z0-9])"));
    text.replace(minus, QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QLatin1String("\\&"));
    return text;
}

// A synopsis in the manual's typography: options and literal words bold,
// placeholders (LAYOUT.swb, NAME, X1) italic, brackets and bars roman.
QString RoffSynopsis(const QString& synopsis) {
    static const QRegularExpression token(QStringLiteral(
        "(--?[A-Za-z0-9][A-Za-z0-9-]*)|([A-Z][A-Za-z0-9_]*(?:\\.[a-z0-9]+)?)|([a-z0-9][a-z0-9.-]*[a-z0-9]|[a-z0-9])"));
    QString out;
    qsizetype at = 0;
    for (auto it = token.globalMatch(synopsis); it.hasNext();) {
        const auto m = it.next();
        out += RoffText(synopsis.mid(at, m.capturedStart() - at));
        const QString font = m.capturedLength(2) ? QStringLiteral("\\fI") : QStringLiteral("\\fB");
        QString word = m.captured();
        word.replace(QLatin1Char('-'), QLatin1String("\\-"));
        out += font + word + QStringLiteral("\\fR");
        at = m.capturedEnd();
    }
    return out + RoffText(synopsis.mid(at));
}

QString Sentence(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString ShellQuoted(QString text) {
    text.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// The texts a template may use.
QMap<QString, QString> Substitutions(const ProgramHelp& help) {
    QString synopsis, commands, exitStatus, names, cases;
    for (const CommandHelp& c : help.commands) {
        const QString full = c.name + QLatin1Char(' ') + c.arguments;
        synopsis += QStringLiteral(".SY stripwright\n") + RoffSynopsis(full) + QStringLiteral("\n.YS\n");
        commands += QStringLiteral(".TP\n") + RoffSynopsis(full) + QLatin1Char('\n') +
                    RoffText(Sentence(c.summary)) + QLatin1Char('\n');
        names += (names.isEmpty() ? QString() : QStringLiteral(" ")) + c.name;
        cases += QStringLiteral("        ") + c.name + QStringLiteral(") usage=") + ShellQuoted(c.arguments) +
                 QStringLiteral(" ;;\n");
    }
    for (const ExitStatus& s : help.exitStatuses)
        exitStatus += QStringLiteral(".TP\n.B ") + s.code + QLatin1Char('\n') + RoffText(Sentence(s.meaning)) +
                      QLatin1Char('\n');
    auto trimmedEnd = [](QString text) {
        while (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        return text;
    };
    return {
        {QStringLiteral("MAN_SYNOPSIS"), trimmedEnd(synopsis)},
        {QStringLiteral("MAN_COMMANDS"), trimmedEnd(commands)},
        {QStringLiteral("MAN_EXIT_STATUS"), trimmedEnd(exitStatus)},
        {QStringLiteral("COMMANDS"), names},
        {QStringLiteral("PROGRAM_OPTIONS"), help.options.join(QLatin1Char(' '))},
        {QStringLiteral("USAGE_CASES"), trimmedEnd(cases)},
    };
}

int Fail(const QString& message) { return tools::Fail("sw_docs_from_help", message); }

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return Fail(QStringLiteral("usage: sw_docs_from_help PROGRAM TEMPLATE OUT [KEY=VALUE]..."));

    QProcess program;
    program.start(args[0], {QStringLiteral("--help")});
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit ||
        program.exitCode() != 0)
        return Fail(QStringLiteral("%1 --help did not run: %2").arg(args[0], program.errorString()));
    QString error;
    const ProgramHelp help = ParseHelp(QString::fromUtf8(program.readAllStandardOutput()), error);
    if (!error.isEmpty())
        return Fail(QStringLiteral("cannot read %1 --help: %2").arg(args[0], error));

    QMap<QString, QString> values = Substitutions(help);
    if (const QString bad = tools::ReadKeyValues(args.mid(3), values); !bad.isEmpty())
        return Fail(bad);
    if (const QString failed = tools::FillTemplate(args[1], values, args[2]); !failed.isEmpty())
        return Fail(failed);
    return 0;
}
