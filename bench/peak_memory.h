// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The peak memory of one benchmark, not of the whole run: the kernel's high-water
// mark of resident memory (VmHWM) is reset before the benchmark's loop
// (/proc/self/clear_refs) and read after it, less what was resident before.

#include <QByteArray>
#include <QFile>

namespace sw::bench {

inline double StatusMB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

class PeakMemory {
public:
    PeakMemory() {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        m_before = StatusMB("VmRSS:");
    }
    // Megabytes above what was resident when the measure started.
    double GrowthMB() const { return std::max(0.0, StatusMB("VmHWM:") - m_before); }

private:
    double m_before = 0;
};

}  // namespace sw::bench
