// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/gerber_output.h"

#include "model/file_names.h"
#include "model/file_set_writer.h"
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
    if (NameLostItsBytes(folder)) {
        result.write.message = QStringLiteral("Cannot create the folder \"%1\": %2.").arg(folder, LostBytesReason());
        return result;
    }
    if (!dir.mkpath(QStringLiteral("."))) {
        result.write.message = QStringLiteral("Cannot create the folder \"%1\".").arg(folder);
        return result;
    }
    const QStringList names = GerberFileNames(baseName);
    const QByteArray texts[] = {GerberCopperText(doc), GerberOutlineText(doc),
                                ExcellonDrillText(doc, drillUnits)};
    std::vector<FileToWrite> files;
    for (int i = 0; i < names.size(); ++i)
        files.push_back({dir.filePath(names[i]), texts[i]});
    // Copper, outline and drill describe one board: an old drill file beside
    // new copper would drill another board's holes.
    result.write = WriteFilesTogether(files);
    if (result.write.ok)
        for (const FileToWrite& file : files) result.files << file.path;
    return result;
}

}  // namespace sw
