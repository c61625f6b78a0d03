// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/netlist_file.h"

#include "model/layout_document.h"
#include "model/layout_file_reader.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

NetlistFileResult LoadNetlistFile(const QString& path, std::optional<NetlistFormat> forced) {
    NetlistFileResult result;
    const FileBytes file = ReadRegularFileBytes(path, qint64(kMaxNetlistBytes), QStringLiteral("netlist"));
    if (!file.ok) {
        result.message = file.message;
        return result;
    }
    NetlistReadResult read = ReadNetlist(std::string_view(file.bytes.constData(), std::size_t(file.bytes.size())), forced);
    if (!read.netlist) {
        result.message = QStringLiteral("%1: %2").arg(path, QString::fromStdString(read.error));
        return result;
    }
    result.netlist = std::move(read.netlist);
    return result;
}

std::optional<QString> LayoutNetlistPath(const LayoutDocument& doc, const QString& layoutPath) {
    const std::optional<QString> attribute = doc.GetRootAttribute("Netlist");
    if (!attribute || attribute->trimmed().isEmpty())
        return std::nullopt;
    if (QDir::isAbsolutePath(*attribute))
        return QDir::cleanPath(*attribute);
    return QDir::cleanPath(QFileInfo(layoutPath).absoluteDir().filePath(*attribute));
}

}  // namespace sw
