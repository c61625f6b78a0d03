// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/file_stamp.h"

#include <QFile>
#include <sys/stat.h>

namespace sw {

FileStamp StampOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    // A save that replaces the file gives it another inode, so a rewrite in
    // the same second and of the same size is still seen.
    return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

}  // namespace sw
