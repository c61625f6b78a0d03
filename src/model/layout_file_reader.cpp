// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/layout_file_reader.h"

#include "model/file_names.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {
namespace {

QString Refusal(const QString& path, const QString& why) {
    return QStringLiteral("Cannot open \"%1\": %2").arg(path, why);
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// What a non-regular file is, in the words of the refusal.
QString KindOf(mode_t mode, const QString& what) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a %1").arg(what);
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not a %1").arg(what);
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a %1").arg(what);
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a %1").arg(what);
    return QStringLiteral("it is not a regular file");
}

QString Megabytes(qint64 bytes) {
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', bytes < 10 * 1024 * 1024 ? 1 : 0) +
           QStringLiteral(" MB");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

FileBytes ReadLayoutFileBytes(const QString& path, qint64 limit) {
    return ReadRegularFileBytes(path, limit, QStringLiteral("layout file"));
}

FileBytes ReadRegularFileBytes(const QString& path, qint64 limit, const QString& what) {
    FileBytes result;
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so a pipe without a writer does not stop the open; the kind
    // of file is then checked on what was opened, not on the name again.
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const QString reason = SystemError(errno);
        result.message = Refusal(path, NameLostItsBytes(path) ? LostBytesReason() : reason);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.message = Refusal(path, SystemError(errno));
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.message = Refusal(path, KindOf(info.st_mode, what));
        return result;
    }
    if (info.st_size > limit) {
        result.message = Refusal(path, QStringLiteral("it is %1, more than the %2 a %3 may have")
                                           .arg(Megabytes(info.st_size), Megabytes(limit), what));
        return result;
    }
    // Read to the end, but never past the limit: a file that grows while it is
    // read is refused as well.
    result.bytes.resize(qsizetype(info.st_size) + 1);
    qint64 filled = 0;
    for (;;) {
        if (filled == result.bytes.size()) {
            if (filled > limit) {
                result.bytes.clear();
                result.message = Refusal(path, QStringLiteral("it grew past the %1 a %2 may "
                                                              "have while it was read")
                                                   .arg(Megabytes(limit), what));
                return result;
            }
            result.bytes.resize(qsizetype(std::min<qint64>(limit + 1, filled * 2 + 4096)));
        }
        const ssize_t got = ::read(fd.get(), result.bytes.data() + filled, size_t(result.bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.bytes.clear();
            result.message = QStringLiteral("Cannot read \"%1\": %2").arg(path, SystemError(errno));
            return result;
        }
        if (got == 0)
            break;
        filled += got;
    }
    result.bytes.truncate(qsizetype(filled));
    result.ok = true;
    return result;
}

}  // namespace sw
