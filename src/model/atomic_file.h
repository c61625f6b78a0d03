#pragma once
// The one way every file the program makes is written: the bytes go to a file
// beside the target that replaces it only once it is complete, so a failure
// leaves any earlier file as it was and never a partial one.

#include "model/write_result.h"

#include <QByteArray>
#include <QString>

namespace sw {

// Writes `bytes` to `path` atomically. On failure the message reads
// "Cannot write "<path>": <reason>".
WriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace sw
