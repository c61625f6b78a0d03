#include "model/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AtomicFile, ReplacesTheTargetWholeAndLeavesNothingBeside) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    ASSERT_TRUE(WriteFileAtomically(path, "first version, rather long").ok);
    ASSERT_TRUE(WriteFileAtomically(path, "second").ok);
    EXPECT_EQ(ReadAll(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});
}

TEST(AtomicFile, FailureNamesTheFileAndKeepsWhatWasThere) {
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.txt"));
    ASSERT_TRUE(WriteFileAtomically(kept, "kept").ok);
    for (const QString& path : {dir.filePath(QStringLiteral("no/such/folder/x.txt")), dir.path()}) {
        const WriteResult result = WriteFileAtomically(path, "lost");
        EXPECT_FALSE(result.ok) << path.toStdString();
        EXPECT_TRUE(result.message.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(path)))
            << result.message.toStdString();
    }
    EXPECT_EQ(ReadAll(kept), QByteArray("kept"));
}

}  // namespace
}  // namespace sw
