// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A target that exists and is not a regular file is written into as a stream or
// refused, never replaced by a regular file (as root, a rename would do that to
// /dev/null).
TEST(AtomicFile, NonRegularTargetsAreWrittenAsStreamsOrRefusedNeverReplaced) {
    QTemporaryDir dir;
    const QString lonelyPipe = dir.filePath(QStringLiteral("lonely.fifo"));
    const QString readPipe = dir.filePath(QStringLiteral("read.fifo"));
    for (const QString& pipe : {lonelyPipe, readPipe})
        ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int reader = open(QFile::encodeName(readPipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const struct {
        QString path;
        const char* says;  // nullptr: written
    } cases[] = {
        {QStringLiteral("/dev/null"), nullptr},
        {readPipe, nullptr},
        {lonelyPipe, "it is a pipe that no program reads"},
        {QStringLiteral("/dev/full"), "No space left on device"},
        {dir.path(), "it is a folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        struct stat before {}, after {};
        ASSERT_EQ(stat(QFile::encodeName(c.path).constData(), &before), 0);
        const WriteResult result = WriteFileAtomically(c.path, "bytes");
        EXPECT_EQ(result.ok, c.says == nullptr) << result.message.toStdString();
        if (c.says)
            EXPECT_EQ(result.message, QStringLiteral("Cannot write \"%1\": %2").arg(c.path, QLatin1String(c.says)));
        ASSERT_EQ(stat(QFile::encodeName(c.path).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
    char got[8] = {};
    EXPECT_EQ(read(reader, got, sizeof got), 5);
    EXPECT_EQ(QByteArray(got, 5), QByteArray("bytes"));
    close(reader);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 2);
}

TEST(AtomicFile, SameFileFollowsLinksAndScratchFilesGoBesideTheTarget) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("L.swb"));
    ASSERT_TRUE(WriteFileAtomically(file, "layout").ok);
    const QString link = dir.filePath(QStringLiteral("out.txt"));
    ASSERT_TRUE(QFile::link(file, link));
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    ASSERT_TRUE(WriteFileAtomically(other, "layout").ok);
    EXPECT_TRUE(IsSameFile(file, link));
    EXPECT_TRUE(IsSameFile(file, dir.path() + QStringLiteral("/./L.swb")));
    EXPECT_FALSE(IsSameFile(file, other));  // the same bytes are not the same file
    EXPECT_FALSE(IsSameFile(file, dir.filePath(QStringLiteral("absent.txt"))));
    EXPECT_EQ(ScratchFilePattern(dir.filePath(QStringLiteral("page.pdf")), QStringLiteral(".pdf")),
              dir.path() + QStringLiteral("/.stripwright-XXXXXX.pdf"));
    EXPECT_FALSE(ScratchFilePattern(QStringLiteral("/dev/null"), QStringLiteral(".pdf")).startsWith(QLatin1String("/dev/")));
}

}  // namespace
}  // namespace sw
