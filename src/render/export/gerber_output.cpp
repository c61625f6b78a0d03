// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/gerber_output.h"

#include "model/atomic_file.h"
#include "render/export/gerber_files.h"

#include <QDir>

namespace sw {

QStringList GerberFileNames(const QString& baseName) {
    return {baseName + QStringLiteral("-B_Cu.gbr"), baseName + QStringLiteral("-Edge_Cuts.gbr"),
            baseName + QStringLiteral(".drl")};
}

GerberWriteResult WriteGerberFiles(const LayoutDocument& doc, const QString& folder,
                                   const QString& baseName, std::int64_t drillUnits) {
    GerberWriteResult result;
    if (const std::optional<QString> refusal = GerberRefusal(doc)) {
        result.refused = true;
        result.write.message = *refusal;
        return result;
    }
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        result.write.message = QStringLiteral("Cannot create the folder \"%1\".").arg(folder);
        return result;
    }
    const QStringList names = GerberFileNames(baseName);
    const QByteArray texts[] = {GerberCopperText(doc), GerberOutlineText(doc),
                                ExcellonDrillText(doc, drillUnits)};
    for (int i = 0; i < names.size(); ++i) {
        const QString path = dir.filePath(names[i]);
        result.write = WriteFileAtomically(path, texts[i]);
        if (!result.write.ok)
            return result;
        result.files << path;
    }
    return result;
}

}  // namespace sw
