// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a layout file's bytes without trusting what the path names: only a
// regular file (after following links) is read, and only up to a size far above
// any real layout. A pipe, a device such as /dev/zero, a folder or a socket is
// refused at once, before anything is read, so opening one can neither block
// the window nor fill the memory.

#include <QByteArray>
#include <QString>

namespace sw {

// 64 MiB: a layout of 2000 parts is about 200 KB; the parse, the undo snapshot
// and a save each hold a few copies of the file, which stays far below the
// memory of any machine the editor runs on.
constexpr qint64 kMaxLayoutFileBytes = qint64(64) * 1024 * 1024;

struct FileBytes {
    bool ok = false;
    QByteArray bytes;
    QString message;  // why the file was not read, naming it
};

// The whole content of the regular file at `path`, at most `limit` bytes.
FileBytes ReadLayoutFileBytes(const QString& path, qint64 limit = kMaxLayoutFileBytes);
// The same for any file read whole, `what` naming it in refusals ("netlist").
FileBytes ReadRegularFileBytes(const QString& path, qint64 limit, const QString& what);

}  // namespace sw
