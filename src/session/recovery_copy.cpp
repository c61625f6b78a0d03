// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recovery_copy.h"

#include "model/atomic_file.h"
#include "model/layout_file_reader.h"
#include "model/text_bounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUrl>
#include <algorithm>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {
namespace {

constexpr char kSuffix[] = ".recovery";
// A copy is a layout and one line more: what Open would refuse is not kept.
constexpr qint64 kMaxCopyBytes = kMaxLayoutFileBytes + 64 * 1024;

QString HostPrefix() {
    QString host = QSysInfo::machineHostName();
    host.replace(QLatin1Char('/'), QLatin1Char('_'));
    host.replace(QLatin1Char('-'), QLatin1Char('_'));
    return host.isEmpty() ? QStringLiteral("host") : host;
}

// When process (or thread) `pid` started, in clock ticks since boot; -1 when
// it cannot be told.
long long StartTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.read(4096);
    // The name in parentheses may hold anything; the fields after it start
    // with the third, so the start time (the 22nd) is the 20th of them.
    const qsizetype name = line.lastIndexOf(')');
    if (name < 0) return -1;
    const QList<QByteArray> fields = line.mid(name + 2).split(' ');
    bool ok = false;
    const long long ticks = fields.value(19).toLongLong(&ok);
    return ok ? ticks : -1;
}

// The moment `when` as clock ticks since boot.
long long BootTicksAt(const QDateTime& when) {
    timespec boot{}, real{};
    ::clock_gettime(CLOCK_BOOTTIME, &boot);
    ::clock_gettime(CLOCK_REALTIME, &real);
    const double ago = double(real.tv_sec) + double(real.tv_nsec) / 1e9 - double(when.toMSecsSinceEpoch()) / 1e3;
    const double since = double(boot.tv_sec) + double(boot.tv_nsec) / 1e9 - ago;
    return (long long)(since * double(::sysconf(_SC_CLK_TCK)));
}

// Whether process `pid` still runs the program this one is, and is the editor
// that wrote a copy at `written`: one that took the number of an editor that
// ended (process numbers come round again, threads' too) started after the
// copy was written.
bool IsRunningEditor(qint64 pid, const QDateTime& written) {
    if (pid <= 0) return false;
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    const QString ours = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (exe.isEmpty() || exe != ours) return false;
    const long long started = StartTicks(pid);
    return started < 0 || started <= BootTicksAt(written);
}

}  // namespace

QString RecoveryFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG base directories: a relative XDG_STATE_HOME is to be ignored.
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/stripwright");
}

RecoveryStore::RecoveryStore(QString folder, qint64 owner)
    : m_folder(std::move(folder)), m_owner(owner) {}

QString RecoveryStore::OwnPath() const {
    return m_folder + QLatin1Char('/') + HostPrefix() + QLatin1Char('-') + QString::number(m_owner) +
           QLatin1String(kSuffix);
}

WriteResult RecoveryStore::Write(const LayoutDocument& doc, const QString& originalName) const {
    if (!QDir().mkpath(m_folder))
        return {false, QStringLiteral("Cannot make the recovery folder \"%1\".").arg(m_folder)};
    ::chmod(QFile::encodeName(m_folder).constData(), 0700);
    QByteArray bytes = QUrl::toPercentEncoding(originalName) + '\n';
    bytes += QByteArray::fromStdString(doc.ToText());
    return WriteFileAtomically(OwnPath(), bytes);
}

void RecoveryStore::Discard() const { QFile::remove(OwnPath()); }

std::vector<RecoveryCopy> RecoveryStore::Left() const {
    std::vector<RecoveryCopy> copies;
    const QString prefix = HostPrefix() + QLatin1Char('-');
    const QDir dir(m_folder);
    for (const QFileInfo& info :
         dir.entryInfoList({QLatin1Char('*') + QLatin1String(kSuffix)}, QDir::Files | QDir::Hidden)) {
        const QString name = info.fileName();
        if (!name.startsWith(prefix)) continue;  // another host's editor may still run
        bool ok = false;
        const qint64 pid = name.mid(prefix.size(), name.size() - prefix.size() - int(sizeof kSuffix) + 1)
                               .toLongLong(&ok);
        if (!ok || pid == m_owner || IsRunningEditor(pid, info.lastModified())) continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray first = file.readLine(64 * 1024);
        if (!first.endsWith('\n')) continue;
        copies.push_back({info.filePath(), QUrl::fromPercentEncoding(first.chopped(1)),
                          info.lastModified()});
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.written > b.written; });
    return copies;
}

LoadResult RecoveryStore::Load(const RecoveryCopy& copy, LayoutDocument& doc) {
    QFile file(copy.path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCopyBytes)
        return {false, QStringLiteral("Cannot read the recovery copy \"%1\".").arg(copy.path)};
    QByteArray bytes = file.readAll();
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0)
        return {false, QStringLiteral("The recovery copy \"%1\" is damaged.").arg(copy.path)};
    return doc.LoadBytes(bytes.mid(end + 1), copy.path);
}

void RecoveryStore::Remove(const RecoveryCopy& copy) { QFile::remove(copy.path); }

QString RecoveryQuestion(const RecoveryCopy& copy) {
    const QString name = copy.originalName.isEmpty() ? QStringLiteral("a layout never saved")
                                                     : copy.originalName;
    return QStringLiteral("Recover unsaved changes to %1 from %2?")
        .arg(Excerpt(name, kMessageLineCharacters), copy.written.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

}  // namespace sw
