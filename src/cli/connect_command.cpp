// SPDX-License-Identifier: GPL-3.0-or-later
// stripwright connect LAYOUT.swb X1 Y1 X2 Y2: the editor's connectivity check
// between two holes. Exit status 0 when they are connected, 1 when not, 2 when
// the copper is too vast to follow.

#include "analysis/connectivity.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/layout_document.h"
#include "model/text_bounds.h"

#include <QRegularExpression>

namespace sw {

int RunConnectCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 5) {
        err << "stripwright: usage: stripwright connect LAYOUT.swb X1 Y1 X2 Y2\n";
        return kExitBadInput;
    }
    int coordinates[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> v = ParseInt(args[i + 1].toUtf8().constData());
        if (!v) {
            const bool digits = !args[i + 1].isEmpty() &&
                                QRegularExpression(QStringLiteral("^[+-]?[0-9]+$")).match(args[i + 1]).hasMatch();
            err << "stripwright: connect: \"" << Excerpt(args[i + 1]) << "\" is "
                << (digits ? "out of range for a hole coordinate (-2147483648 to 2147483647)\n"
                           : "not a hole coordinate (a whole number such as 3)\n");
            return kExitBadInput;
        }
        coordinates[i] = *v;
    }
    LayoutDocument doc;
    if (!LoadLayoutForCommand(args[0], doc, err))
        return kExitBadInput;
    const ConnectionReport report = CheckConnection(doc, {coordinates[0], coordinates[1]},
                                                    {coordinates[2], coordinates[3]});
    // Neither answer is known: say so as a refusal of the layout, not as "not
    // connected", so a script reading the exit status is not misled.
    if (report.text == QLatin1String(kTooLargeText)) {
        err << "stripwright: " << report.text << "\n";
        return kExitBadInput;
    }
    // The report's carriage returns become line breaks on a terminal.
    QString text = report.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    out << text << "\n";
    out.flush();
    return report.connected ? kExitOk : kExitOutputFailed;
}

}  // namespace sw
