// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches one file for another program writing it: a schematic editor saving
// the netlist again, often by writing a new file and renaming it over the old
// one (which ends a plain watch of the file), or removing it. The folder is
// watched too, so a file put back under the name is seen. A burst of changes
// is told once, shortly after it ends, and only when the file is no longer
// what it was when last told.

#include "session/file_stamp.h"

#include <QString>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QTimer;

namespace sw {

class NetlistWatch {
public:
    // How long after the last change the file is looked at.
    static constexpr int kSettleMilliseconds = 150;

    explicit NetlistWatch(std::function<void()> changed);
    ~NetlistWatch();

    // Watches `path` from now on (empty: nothing), as it is now.
    void Watch(const QString& path);
    const QString& Path() const { return m_path; }

private:
    void Arm();
    void Settled();

    std::function<void()> m_changed;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    std::unique_ptr<QTimer> m_timer;
    QString m_path;
    FileStamp m_stamp;
};

}  // namespace sw
