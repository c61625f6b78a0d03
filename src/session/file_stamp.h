// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file on disk was when the layout was opened from it or saved to it:
// enough to tell that another program (or a second editor) has written it
// since.

#include <QString>

namespace sw {

struct FileStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0;
    long long size = 0, seconds = 0, nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` now (links followed); exists is false when
// there is none.
FileStamp StampOf(const QString& path);

}  // namespace sw
