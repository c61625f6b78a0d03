// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/netlist_watch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace sw {

NetlistWatch::NetlistWatch(std::function<void()> changed)
    : m_changed(std::move(changed)), m_watcher(std::make_unique<QFileSystemWatcher>()),
      m_timer(std::make_unique<QTimer>()) {
    m_timer->setSingleShot(true);
    m_timer->setInterval(kSettleMilliseconds);
    QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { Settled(); });
    auto later = [this] {
        Arm();
        m_timer->start();
    };
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_timer.get(), later);
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, m_timer.get(), later);
}

NetlistWatch::~NetlistWatch() = default;

void NetlistWatch::Watch(const QString& path) {
    if (path == m_path)
        return;
    m_timer->stop();
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    m_path = path;
    m_stamp = StampOf(path);
    Arm();
}

void NetlistWatch::Arm() {
    if (m_path.isEmpty())
        return;
    // A file renamed over or removed is no longer watched; the new one is.
    if (QFileInfo::exists(m_path) && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (QFileInfo(folder).isDir() && !m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
}

void NetlistWatch::Settled() {
    Arm();
    const FileStamp now = StampOf(m_path);
    if (now == m_stamp)
        return;  // another file of the folder changed
    m_stamp = now;
    m_changed();
}

}  // namespace sw
