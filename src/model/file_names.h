// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names are bytes; the program holds them as text. A name whose bytes are
// not UTF-8 (a file from an old Latin-1 system) reaches the program from a
// file dialog with U+FFFD in place of those bytes, and writing or reading
// under that text would name another file. Such a name is refused, never
// replaced by another.

#include <QByteArray>
#include <QString>

namespace sw {

// True when `path` holds U+FFFD and names nothing that exists: its bytes were
// lost on the way (a name that truly holds U+FFFD exists and is kept).
bool NameLostItsBytes(const QString& path);
// Why such a name is refused.
QString LostBytesReason();

// The bytes of a command-line argument as text when they are valid UTF-8.
bool IsValidUtf8(const QByteArray& bytes);
// The bytes shown readably: valid UTF-8 as it is, every other byte as \xHH.
QString ShownBytes(const QByteArray& bytes);

}  // namespace sw
