// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way every file the program makes is written: the bytes go to a file
// beside the target that replaces it only once it is complete, so a failure
// leaves any earlier file as it was and never a partial one.
//
// A target that already exists and is not a regular file is never replaced:
// a pipe or a character device (/dev/null, a terminal) is written into as a
// stream, as `cp` would (a pipe that no program reads is refused instead of
// waiting for one); a folder, a block device or a socket is refused.

#include "model/write_result.h"

#include <QByteArray>
#include <QString>

namespace sw {

// Writes `bytes` to `path` atomically. On failure the message reads
// "Cannot write "<path>": <reason>", the reason in the system's words.
WriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes);

// True when both paths name one existing file (the same device and inode, links
// followed): an output that is the input would destroy what it is made from.
bool IsSameFile(const QString& a, const QString& b);

// Where a writer that needs a scratch file of its own (the PDF printer) puts it:
// beside the target, like the atomic writer's, unless the target is a stream
// (then in the temporary folder). A name pattern for QTemporaryFile.
QString ScratchFilePattern(const QString& path, const QString& suffix);

}  // namespace sw
