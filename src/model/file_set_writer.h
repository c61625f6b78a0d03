// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a set of files that belong together (the Gerber and drill files of
// one board) all or nothing: each goes to a scratch file beside its target
// first, and only when every one is complete are they renamed onto their
// targets together. A failure removes the new files and leaves every old one
// as it was; the message names what was not written.

#include "model/write_result.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace sw {

struct FileToWrite {
    QString path;
    QByteArray bytes;
};

// Targets must be regular files or missing (a folder, a pipe or a device in
// the way refuses the whole set before anything is written). On failure the
// message reads "Cannot write "<path>": <reason>" and then names the files
// not written.
WriteResult WriteFilesTogether(const std::vector<FileToWrite>& files);

}  // namespace sw
