// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/atomic_file.h"

#include "model/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {
namespace {

WriteResult Failed(const QString& path, const QString& why) {
    return {false, QStringLiteral("Cannot write \"%1\": %2").arg(path, why)};
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The state of `path` with links followed; false when there is nothing there.
bool StatOf(const QString& path, struct stat& info) {
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

bool IsStream(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

// Writes into an existing pipe or character device as a stream.
WriteResult WriteToStream(const QString& path, const QByteArray& bytes) {
    // Non-blocking only to open: a pipe that no program reads refuses at once.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Failed(path, errno == ENXIO ? QStringLiteral("it is a pipe that no program reads")
                                           : SystemError(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return Failed(path, SystemError(error));
        }
        written += n;
    }
    if (::close(fd) != 0 && errno != EINTR)
        return Failed(path, SystemError(errno));
    return {true, {}};
}

// The reason a write failed: Qt's text, or the system's when Qt has none (a
// write cut short by a full disk leaves Qt's error empty).
QString WriteError(const QFileDevice& file, int error) {
    if (file.error() != QFileDevice::NoError && file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    return SystemError(error ? error : EIO);
}

}  // namespace

WriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (NameLostItsBytes(path))
        return Failed(path, LostBytesReason());
    struct stat info {};
    if (StatOf(path, info) && !S_ISREG(info.st_mode)) {
        if (IsStream(info.st_mode))
            return WriteToStream(path, bytes);
        return Failed(path, S_ISDIR(info.st_mode)
                                ? QStringLiteral("it is a folder")
                                : QStringLiteral("it is not a regular file, and is left as it is"));
    }
    QSaveFile file(path);
    // Unbuffered: Qt's QSaveFile does not notice a write that fails while its
    // buffer is flushed in commit(), and would put an empty file in place of the
    // old one on a full disk. Written straight through, the failure is seen.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failed(path, file.errorString());
    // A write cut short (the disk filled part-way) is tried again for the rest,
    // so the system says why it stopped.
    qsizetype written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString why = WriteError(file, errno);
            file.cancelWriting();
            return Failed(path, why);
        }
        written += qsizetype(n);
    }
    errno = 0;
    if (!file.commit())
        return Failed(path, WriteError(file, errno));
    return {true, {}};
}

bool IsSameFile(const QString& a, const QString& b) {
    struct stat first {}, second {};
    return StatOf(a, first) && StatOf(b, second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

QString ScratchFilePattern(const QString& path, const QString& suffix) {
    struct stat info {};
    const bool stream = StatOf(path, info) && !S_ISREG(info.st_mode);
    const QString folder = stream ? QDir::tempPath() : QFileInfo(path).absolutePath();
    return folder + QStringLiteral("/.stripwright-XXXXXX") + suffix;
}

}  // namespace sw
