// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_set_writer.h"

#include "model/file_names.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {
namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString Failure(const QString& path, const QString& reason, const std::vector<FileToWrite>& files) {
    QStringList names;
    for (const FileToWrite& file : files) names << QFileInfo(file.path).fileName();
    return QStringLiteral("Cannot write \"%1\": %2\nNone of the files was written (%3); "
                          "those already there are as they were.")
        .arg(path, reason, names.join(QStringLiteral(", ")));
}

// Writes `bytes` into a new scratch file beside `target`; the scratch file's
// name, or nothing with the reason in `reason`.
std::unique_ptr<QTemporaryFile> WriteScratch(const FileToWrite& file, QString& reason) {
    const QFileInfo info(file.path);
    auto scratch = std::make_unique<QTemporaryFile>(info.absolutePath() + QStringLiteral("/.") +
                                                    info.fileName() + QStringLiteral(".XXXXXX"));
    if (!scratch->open()) {
        reason = scratch->errorString();
        return nullptr;
    }
    // Written straight through the descriptor, so a full disk is seen here and
    // not when the file is closed.
    const char* data = file.bytes.constData();
    qint64 left = file.bytes.size();
    const int fd = scratch->handle();
    while (left > 0) {
        const ssize_t wrote = ::write(fd, data, size_t(left));
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            // A short write tells no reason; the next one says it.
            reason = Reason(wrote < 0 ? errno : ENOSPC);
            return nullptr;
        }
        data += wrote;
        left -= wrote;
    }
    if (::fsync(fd) != 0) {
        reason = Reason(errno);
        return nullptr;
    }
    const QFile::Permissions wanted = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther;
    scratch->setPermissions(QFile::exists(file.path) ? QFile::permissions(file.path) : wanted);
    return scratch;
}

}  // namespace

WriteResult WriteFilesTogether(const std::vector<FileToWrite>& files) {
    for (const FileToWrite& file : files) {
        if (NameLostItsBytes(file.path))
            return {false, Failure(file.path, LostBytesReason(), files)};
        struct stat info {};
        if (::stat(Native(file.path).constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return {false, Failure(file.path, QStringLiteral("it is not a regular file"), files)};
    }
    std::vector<std::unique_ptr<QTemporaryFile>> scratch;
    for (const FileToWrite& file : files) {
        QString reason;
        std::unique_ptr<QTemporaryFile> written = WriteScratch(file, reason);
        if (!written)  // the scratch files made so far go with the vector
            return {false, Failure(file.path, reason, files)};
        scratch.push_back(std::move(written));
    }

    // The old files are kept under a second name until every new one is in
    // place, so a rename that fails half-way can put them back.
    std::vector<QByteArray> kept(files.size());
    const auto putBack = [&](size_t replaced) {
        for (size_t i = 0; i < files.size(); ++i) {
            const QByteArray target = Native(files[i].path);
            if (!kept[i].isEmpty()) {
                if (i < replaced || ::access(target.constData(), F_OK) != 0)
                    ::rename(kept[i].constData(), target.constData());
                else
                    ::unlink(kept[i].constData());
            } else if (i < replaced) {
                ::unlink(target.constData());
            }
        }
    };
    for (size_t i = 0; i < files.size(); ++i) {
        const QByteArray target = Native(files[i].path);
        if (::access(target.constData(), F_OK) != 0) continue;
        const QByteArray aside = Native(scratch[i]->fileName()) + ".old";
        if (::link(target.constData(), aside.constData()) != 0) {
            const int error = errno;
            putBack(0);
            return {false, Failure(files[i].path, Reason(error), files)};
        }
        kept[i] = aside;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (::rename(Native(scratch[i]->fileName()).constData(), Native(files[i].path).constData()) != 0) {
            const int error = errno;
            putBack(i);
            return {false, Failure(files[i].path, Reason(error), files)};
        }
        scratch[i]->setAutoRemove(false);
    }
    for (const QByteArray& aside : kept)
        if (!aside.isEmpty()) ::unlink(aside.constData());
    return {true, {}};
}

}  // namespace sw
