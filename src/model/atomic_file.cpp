#include "model/atomic_file.h"

#include <QSaveFile>

namespace sw {
namespace {

WriteResult Failed(const QString& path, const QString& why) {
    return {false, QStringLiteral("Cannot write \"%1\": %2").arg(path, why)};
}

}  // namespace

WriteResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered: Qt's QSaveFile does not notice a write that fails while its
    // buffer is flushed in commit(), and would put an empty file in place of the
    // old one on a full disk. Written straight through, the failure is seen.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failed(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Failed(path, why);
    }
    if (!file.commit())
        return Failed(path, file.errorString());
    return {true, {}};
}

}  // namespace sw
