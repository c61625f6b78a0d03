// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/netlist_commands.h"

#include "analysis/netlist_check.h"
#include "analysis/netlist_file.h"
#include "session/editor_session.h"
#include "session/netlist_link.h"

#include <QRegularExpression>

namespace sw {

QString ImportNetlist(EditorSession& session, const QString& path) {
    const NetlistFileResult loaded = LoadNetlistFile(path);
    if (!loaded.netlist)
        return loaded.message;
    const QString attribute = NetlistAttributeFor(path, session.FileName());
    session.Edit(EditKind::Netlist, QStringLiteral("Import Netlist"), [&] {
        pugi::xml_node root = session.Document().Root();
        EditResult outcome;
        outcome.modified = TextAttr(root, "Netlist") != attribute;
        SetAttr(root, "Netlist", attribute);
        return outcome;
    });
    return {};
}

bool ForgetNetlist(EditorSession& session) {
    if (!session.Document().GetRootAttribute("Netlist"))
        return false;
    session.Edit(EditKind::Netlist, QStringLiteral("Forget Netlist"), [&] {
        session.Document().Root().remove_attribute("Netlist");
        return EditResult{};
    });
    return true;
}

bool IsOffBoard(const EditorSession& session, const QString& name) {
    const std::string wanted = name.toStdString();
    for (const std::string& part : OffBoardParts(session.Document()))
        if (part == wanted)
            return true;
    return false;
}

bool SetOffBoard(EditorSession& session, const QString& name, bool offBoard) {
    // The list separates names by spaces and commas: a name holding one
    // could not be listed as itself.
    static const QRegularExpression kSeparator(QStringLiteral("[ ,;\\t\\n]"));
    if (name.isEmpty() || name.contains(kSeparator) || IsOffBoard(session, name) == offBoard)
        return false;
    // The list is written anew, names separated by single spaces, in the
    // order it had, a new name last.
    QStringList parts;
    for (const std::string& part : OffBoardParts(session.Document()))
        if (offBoard || QString::fromStdString(part) != name)
            parts << QString::fromStdString(part);
    if (offBoard)
        parts << name;
    const QString label = (offBoard ? QStringLiteral("Mark %1 Off Board") : QStringLiteral("Mark %1 On Board")).arg(name);
    session.Edit(EditKind::OffBoard, label, [&] {
        pugi::xml_node root = session.Document().Root();
        if (parts.isEmpty())
            root.remove_attribute("OffBoard");
        else
            SetAttr(root, "OffBoard", parts.join(QLatin1Char(' ')));
        return EditResult{};
    });
    return true;
}

}  // namespace sw
