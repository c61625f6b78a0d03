// SPDX-License-Identifier: GPL-3.0-or-later
// Output sets written all or nothing: the Gerber and drill files of a board.

#include "model/file_set_writer.h"
#include "model/layout_document.h"
#include "render/export/gerber_output.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace sw {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Files may grow to `bytes` only while it lives (a disk that fills up).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_old{};
    void (*m_signal)(int) = SIG_DFL;
};

TEST(OutputSet, AFailureAnywhereLeavesTheOldSetWholeAndNoNewFile) {
    struct Case {
        const char* name;
        int failing;  // which target fails: -1 none
        bool folderInTheWay;
    };
    const Case cases[] = {
        {"all written", -1, false},
        {"disk full at the first", 0, false},
        {"disk full at the last", 2, false},
        {"a folder where the last goes", 2, true},
        {"a folder where the first goes", 0, true},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        std::vector<FileToWrite> files;
        const char* names[] = {"b-B_Cu.gbr", "b-Edge_Cuts.gbr", "b.drl"};
        for (int i = 0; i < 3; ++i) {
            const QString path = dir.filePath(QString::fromLatin1(names[i]));
            if (c.folderInTheWay && i == c.failing) {
                ASSERT_TRUE(QDir().mkpath(path));
            } else {
                QFile old(path);
                ASSERT_TRUE(old.open(QIODevice::WriteOnly));
                old.write("old " + QByteArray::number(i));
            }
            // The failing one is too large for the disk; the others fit.
            files.push_back({path, QByteArray(i == c.failing ? 5000 : 100, char('a' + i))});
        }
        const QStringList before = Entries(dir.path());
        WriteResult result;
        {
            FileSizeLimit limit(c.failing >= 0 && !c.folderInTheWay ? 1000 : RLIM_INFINITY);
            result = WriteFilesTogether(files);
        }
        EXPECT_EQ(Entries(dir.path()), before) << c.name << ": no scratch file is left";
        if (c.failing < 0) {
            EXPECT_TRUE(result.ok) << c.name;
            for (const FileToWrite& file : files) EXPECT_EQ(Read(file.path), file.bytes) << c.name;
            continue;
        }
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_TRUE(result.message.contains(files[size_t(c.failing)].path)) << result.message.toStdString();
        for (const char* name : names)
            EXPECT_TRUE(result.message.contains(QLatin1String(name))) << c.name << ": names " << name;
        for (int i = 0; i < 3; ++i)
            if (!(c.folderInTheWay && i == c.failing))
                EXPECT_EQ(Read(files[size_t(i)].path), "old " + QByteArray::number(i)) << c.name;
    }
}

TEST(OutputSet, AGerberExportThatFailsWritesNoneOfItsFiles) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadFile(test::ExamplePath(QStringLiteral("pcb.swb"))).ok);
    QTemporaryDir dir;
    ASSERT_TRUE(WriteGerberFiles(doc, dir.path(), QStringLiteral("pcb"), 635).write.ok);
    const QStringList names = GerberFileNames(QStringLiteral("pcb"));
    const QByteArray copper = Read(dir.filePath(names[0]));
    // The drill file's name is taken by a folder, and the board has changed.
    ASSERT_TRUE(QFile::remove(dir.filePath(names[2])));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(names[2])));
    doc.Root().append_copy(doc.Root().find_child([](pugi::xml_node n) { return std::string(n.name()) == "Pad"; }))
        .attribute("X1").set_value("2");
    const GerberWriteResult failed = WriteGerberFiles(doc, dir.path(), QStringLiteral("pcb"), 635);
    EXPECT_FALSE(failed.write.ok);
    EXPECT_TRUE(failed.files.isEmpty());
    EXPECT_EQ(Read(dir.filePath(names[0])), copper) << "the old copper stays";
    for (const QString& name : names) EXPECT_TRUE(failed.write.message.contains(name)) << name.toStdString();
    EXPECT_EQ(Entries(dir.path()).size(), 3);
}

}  // namespace
}  // namespace sw
