// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_names.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace sw {

bool NameLostItsBytes(const QString& path) {
    return path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path) &&
           !QFileInfo(path).isSymLink();
}

QString LostBytesReason() {
    return QStringLiteral("its name holds bytes that are not valid UTF-8 (shown as \uFFFD), and "
                          "the program would use another name; rename it or choose another name");
}

bool IsValidUtf8(const QByteArray& bytes) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    return !decode.hasError();
}

QString ShownBytes(const QByteArray& bytes) {
    QString shown;
    qsizetype i = 0;
    while (i < bytes.size()) {
        // The longest valid UTF-8 sequence starting here (1 to 4 bytes).
        qsizetype length = 0;
        for (qsizetype n = 1; n <= 4 && i + n <= bytes.size(); ++n)
            if (IsValidUtf8(bytes.mid(i, n))) {
                length = n;
                break;
            }
        if (length > 0) {
            shown += QString::fromUtf8(bytes.mid(i, length));
            i += length;
        } else {
            shown += QStringLiteral("\\x%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
            ++i;
        }
    }
    return shown;
}

}  // namespace sw
