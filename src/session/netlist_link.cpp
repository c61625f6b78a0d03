// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/netlist_link.h"

#include "analysis/netlist_file.h"
#include "model/layout_document.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

QString NetlistLink::FileName() const { return QFileInfo(m_path).fileName(); }

bool NetlistLink::Follow(const LayoutDocument& doc, const QString& layoutPath, bool documentChanged) {
    // A path relative to the layout's folder names nothing while the layout
    // has no file: it stays as written, and no file is read for it.
    const std::optional<QString> attribute = doc.GetRootAttribute("Netlist");
    const bool homeless = layoutPath.isEmpty() && attribute && !attribute->trimmed().isEmpty() &&
                          !QDir::isAbsolutePath(*attribute);
    const QString path = homeless ? *attribute : LayoutNetlistPath(doc, layoutPath).value_or(QString());
    if (path != m_path) {
        // Another file: what was read from the last one says nothing of it.
        m_path = path;
        m_netlist.reset();
        m_report.reset();
        if (homeless) {
            m_state = NetlistFileState::Missing;
            m_status = QStringLiteral("The netlist %1 is named from the layout's folder, and the layout "
                                      "has not been saved")
                           .arg(path);
        } else {
            Read();
        }
        Check(doc);
        return true;
    }
    if (!documentChanged || !m_netlist)
        return false;
    Check(doc);
    return true;
}

bool NetlistLink::Reread(const LayoutDocument& doc) {
    if (!QDir::isAbsolutePath(m_path))
        return false;
    Read();
    Check(doc);
    return true;
}

void NetlistLink::Read() {
    m_status.clear();
    if (m_path.isEmpty()) {
        m_state = NetlistFileState::None;
        return;
    }
    const bool had = m_netlist.has_value();
    const QString kept = had ? QStringLiteral("; the check uses the netlist last read") : QString();
    if (!QFileInfo::exists(m_path)) {
        m_state = NetlistFileState::Missing;
        m_status = QStringLiteral("The netlist %1 is not there%2").arg(m_path, kept);
        return;
    }
    NetlistFileResult loaded = LoadNetlistFile(m_path);
    if (!loaded.netlist) {
        m_state = NetlistFileState::Unreadable;
        m_status = loaded.message + kept;
        return;
    }
    m_state = NetlistFileState::Read;
    m_netlist = std::move(loaded.netlist);
}

void NetlistLink::Check(const LayoutDocument& doc) {
    if (m_netlist)
        m_report = CheckLayoutAgainstNetlist(doc, *m_netlist);
    else
        m_report.reset();
}

QString NetlistAttributeFor(const QString& netlistPath, const QString& layoutPath) {
    const QString whole = QFileInfo(netlistPath).absoluteFilePath();
    if (layoutPath.isEmpty())
        return whole;
    return QDir(QFileInfo(layoutPath).absolutePath()).relativeFilePath(whole);
}

QString CheckHeadline(const QString& netlistFile, const CheckReport& report) {
    if (report.Matches())
        return QStringLiteral("Matches %1: %2 parts, %3 nets")
            .arg(netlistFile)
            .arg(report.netlistParts)
            .arg(report.netlistNets);
    const qsizetype n = qsizetype(report.differences.size());
    return QStringLiteral("%1: %2 %3").arg(netlistFile).arg(n).arg(
        n == 1 ? QStringLiteral("difference") : QStringLiteral("differences"));
}

}  // namespace sw
