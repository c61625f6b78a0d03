// SPDX-License-Identifier: GPL-3.0-or-later
// Writing to a disk that fails: a folder that does not exist, a file that may
// not be replaced, a read-only file system and a full one. Every writer (the
// layout, the bill of materials, each picture format, the copper picture and
// the printed PDF files)
// reports a clear error naming the file, leaves the previous file whole and
// leaves no temporary file behind; the editor keeps its changes marked unsaved.
//
// Tests run as root, where permissions stop nothing, so the failures are made
// for real: an immutable file (the file-system flag that even root obeys) and
// small tmpfs mounts made by the test. Where the machine does not allow those,
// the test is skipped. A full disk is also met everywhere, privileged or not,
// through a file-size limit: writes past it fail as they would on a full disk.

#include "analysis/bill_of_materials.h"
#include "cli/pdf_output.h"
#include "model/layout_document.h"
#include "render/canvas.h"
#include "render/export/copper_output.h"
#include "render/export/image_file.h"
#include "render/export/layout_output.h"
#include "test_support.h"
#include "ui/main_form.h"
#include "ui/test_main_form.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <functional>

namespace sw {
namespace {

const char* const kLayout =
    "<Layout Type=\"PCB\" Width=\"12\" Height=\"6\" Project=\"Disk\" Credits=\"C\">\n"
    "  <Resistor Value=\"10K\" X1=\"1\" Y1=\"1\" X2=\"5\" Y2=\"1\" Name=\"R1\" />\n"
    "  <Trace Value=\"5px\" Color=\"Red\" X1=\"1\" Y1=\"3\" X2=\"9\" Y2=\"3\" Name=\"T1\" />\n"
    "  <Pad Value=\"15px\" Color=\"Red\" X1=\"9\" Y1=\"3\" Name=\"P1\" />\n"
    "</Layout>\n";
const QByteArray kPrevious = "the previous file, which must survive\n";

// One writer of the program: writes the layout's output for `doc` to `path`.
struct Writer {
    const char* name;
    const char* file;
    std::function<WriteResult(const LayoutDocument&, const QString&)> write;
};

WriteResult Picture(const LayoutDocument&, const QString& path, ImageFileFormat format) {
    QImage image = MakeRaster(300, 200);
    for (int y = 0; y < 200; ++y)  // enough different colours that GIF quantises
        for (int x = 0; x < 300; ++x)
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = qRgb(x, y, (x * y) & 255);
    return WriteImageFile(image, path, format);
}

const Writer kWriters[] = {
    {"layout", "layout.swb",
     [](const LayoutDocument& doc, const QString& path) {
         const WriteResult r = doc.SaveFile(path);
         return WriteResult{r.ok, r.message};
     }},
    {"bill_of_materials", "bom.txt", WriteBillOfMaterials},
    {"gif", "render.gif",
     [](const LayoutDocument& d, const QString& p) { return Picture(d, p, ImageFileFormat::Gif); }},
    {"jpeg", "render.jpg",
     [](const LayoutDocument& d, const QString& p) { return Picture(d, p, ImageFileFormat::Jpeg); }},
    {"bmp", "render.bmp",
     [](const LayoutDocument& d, const QString& p) { return Picture(d, p, ImageFileFormat::Bmp); }},
    {"png", "render.png",
     [](const LayoutDocument& d, const QString& p) { return Picture(d, p, ImageFileFormat::Png); }},
    {"copper", "PnP.gif", WriteCopperImage},
    {"printed_pdf", "print.pdf",
     [](const LayoutDocument& d, const QString& p) {
         return PrintToPdf(p, QPageSize::A4, [&d](QPrinter& printer) { return PrintRenderedImage(d, printer); });
     }},
    {"copper_pdf", "PnP.pdf",
     [](const LayoutDocument& d, const QString& p) {
         return PrintToPdf(p, QPageSize::A4, [&d](QPrinter& printer) { return PrintCopperImage(d, printer); });
     }},
};

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

// A small tmpfs mounted on a fresh folder for the life of the object.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& where, const char* options = "size=64k") : m_path(where) {
        QDir().mkpath(where);
        m_mounted = ::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallFileSystem() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    bool MakeReadOnly() {
        return ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Fills every free block, so the next write finds no space.
    void Fill() {
        QFile filler(m_path + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'x');
        while (filler.write(byte) == 1) {
        }
    }

private:
    QString m_path;
    bool m_mounted = false;
};

// While it lives, no file of this process may grow past a few bytes: a write
// beyond them fails (EFBIG, the signal ignored) much as on a full disk.
class FileSizeLimit {
public:
    FileSizeLimit() {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        m_set = ::getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        if (m_set) {
            rlimit tight = m_old;
            tight.rlim_cur = 16;
            m_set = ::setrlimit(RLIMIT_FSIZE, &tight) == 0;
        }
    }
    ~FileSizeLimit() {
        if (m_set)
            ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }
    bool Set() const { return m_set; }

private:
    rlimit m_old{};
    bool m_set = false;
    void (*m_signal)(int) = SIG_DFL;
};

// The file-system flag that makes a file unchangeable, even for root.
bool SetImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

class FailingDisk : public ::testing::TestWithParam<Writer> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(doc.LoadText(kLayout).ok);
    }
    // The failed write: an error naming the file, the previous content whole,
    // and nothing else left in the folder.
    void ExpectFailedCleanly(const QString& folder, const QString& target, const QByteArray& previous,
                             const QStringList& alsoThere = {}) {
        const WriteResult r = GetParam().write(doc, target);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.contains(QFileInfo(target).fileName())) << r.message.toStdString();
        if (!previous.isNull())
            EXPECT_EQ(Read(target), previous);
        else
            EXPECT_FALSE(QFile::exists(target));
        QStringList expected = alsoThere;
        if (!previous.isNull())
            expected << QFileInfo(target).fileName();
        expected.sort();
        QStringList there = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        there.sort();
        EXPECT_EQ(there, expected);
    }

    QTemporaryDir dir;
    LayoutDocument doc;
};

TEST_P(FailingDisk, FolderThatDoesNotExist) {
    const QString target = dir.filePath(QStringLiteral("no/such/folder/")) + GetParam().file;
    const WriteResult r = GetParam().write(doc, target);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(target)) << r.message.toStdString();
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("no"))).exists());
}

TEST_P(FailingDisk, FileThatMayNotBeReplaced) {
    const QString target = dir.filePath(GetParam().file);
    ASSERT_TRUE(WriteFile(target, kPrevious));
    if (!SetImmutable(target, true))
        GTEST_SKIP() << "this file system has no immutable flag";
    ExpectFailedCleanly(dir.path(), target, kPrevious);
    SetImmutable(target, false);
}

TEST_P(FailingDisk, ReadOnlyFileSystem) {
    SmallFileSystem fs(dir.filePath(QStringLiteral("ro")));
    if (!fs.Mounted())
        GTEST_SKIP() << "cannot mount a file system here (not root?)";
    const QString target = dir.filePath(QStringLiteral("ro/")) + GetParam().file;
    ASSERT_TRUE(WriteFile(target, kPrevious));
    ASSERT_TRUE(fs.MakeReadOnly());
    ExpectFailedCleanly(dir.filePath(QStringLiteral("ro")), target, kPrevious);
}

TEST_P(FailingDisk, FullFileSystem) {
    SmallFileSystem fs(dir.filePath(QStringLiteral("full")));
    if (!fs.Mounted())
        GTEST_SKIP() << "cannot mount a file system here (not root?)";
    const QString target = dir.filePath(QStringLiteral("full/")) + GetParam().file;
    ASSERT_TRUE(WriteFile(target, kPrevious));
    fs.Fill();
    ExpectFailedCleanly(dir.filePath(QStringLiteral("full")), target, kPrevious,
                        {QStringLiteral("filler")});
}

TEST_P(FailingDisk, FullFileSystemWithoutAPreviousFile) {
    SmallFileSystem fs(dir.filePath(QStringLiteral("full")));
    if (!fs.Mounted())
        GTEST_SKIP() << "cannot mount a file system here (not root?)";
    fs.Fill();
    ExpectFailedCleanly(dir.filePath(QStringLiteral("full")),
                        dir.filePath(QStringLiteral("full/")) + GetParam().file, QByteArray(),
                        {QStringLiteral("filler")});
}

TEST_P(FailingDisk, DiskFillingDuringTheWrite) {
    const QString target = dir.filePath(GetParam().file);
    ASSERT_TRUE(WriteFile(target, kPrevious));
    WriteResult r;
    {
        FileSizeLimit limit;
        ASSERT_TRUE(limit.Set());
        r = GetParam().write(doc, target);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(QFileInfo(target).fileName())) << r.message.toStdString();
    // The system's reason for a write cut short, not Qt's "Unknown error".
    EXPECT_FALSE(r.message.contains(QLatin1String("Unknown error"))) << r.message.toStdString();
    EXPECT_EQ(Read(target), kPrevious);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QString::fromLatin1(GetParam().file)});
}

INSTANTIATE_TEST_SUITE_P(Writers, FailingDisk, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<Writer>& info) {
                             return std::string(info.param.name);
                         });

// The editor's Save: an error box, the file on disk as it was, and the changes
// still marked unsaved, so closing still asks.
class FailingSave : public ::testing::Test {
protected:
    void Open(const QString& path) {
        form = std::make_unique<TMainForm>(test::TestFormOptions(dialogs, {path}));
        ASSERT_EQ(form->FileName(), path);
        // An edit the save must not lose.
        SetAttr(form->Document().Root().first_child(), "Value", QStringLiteral("22K"));
        form->SetModified(true);
    }
    void ExpectSaveFailed(const QString& path, const QByteArray& before) {
        dialogs.AnswerMessage(MessageAnswer::Ok);
        form->SaveProject();
        const auto messages = dialogs.CallsOf(test::ScriptedDialogs::Type::Message);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(QFileInfo(path).fileName())) << messages[0].text.toStdString();
        EXPECT_TRUE(form->Modified());
        EXPECT_EQ(Read(path), before);
        EXPECT_EQ(TextAttr(form->Document().Root().first_child(), "Value"), QStringLiteral("22K"));
    }

    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

TEST_F(FailingSave, FullFileSystemKeepsTheChangesUnsaved) {
    SmallFileSystem fs(dir.filePath(QStringLiteral("full")));
    if (!fs.Mounted())
        GTEST_SKIP() << "cannot mount a file system here (not root?)";
    const QString path = dir.filePath(QStringLiteral("full/board.swb"));
    ASSERT_TRUE(WriteFile(path, kLayout));
    Open(path);
    fs.Fill();
    ExpectSaveFailed(path, kLayout);
}

TEST_F(FailingSave, DiskFillingDuringTheSaveKeepsTheChangesUnsaved) {
    const QString path = dir.filePath(QStringLiteral("board.swb"));
    ASSERT_TRUE(WriteFile(path, kLayout));
    Open(path);
    FileSizeLimit limit;
    ASSERT_TRUE(limit.Set());
    ExpectSaveFailed(path, kLayout);
}

TEST_F(FailingSave, UnchangeableFileKeepsTheChangesUnsaved) {
    const QString path = dir.filePath(QStringLiteral("board.swb"));
    ASSERT_TRUE(WriteFile(path, kLayout));
    Open(path);
    if (!SetImmutable(path, true))
        GTEST_SKIP() << "this file system has no immutable flag";
    ExpectSaveFailed(path, kLayout);
    SetImmutable(path, false);
}

TEST_F(FailingSave, SaveAsIntoAMissingFolderKeepsTheChangesUnsaved) {
    const QString path = dir.filePath(QStringLiteral("board.swb"));
    ASSERT_TRUE(WriteFile(path, kLayout));
    Open(path);
    const QString missing = dir.filePath(QStringLiteral("gone/board.swb"));
    dialogs.AnswerSaveFile(missing);
    dialogs.AnswerMessage(MessageAnswer::Ok);
    form->SaveProjectAs();
    const auto messages = dialogs.CallsOf(test::ScriptedDialogs::Type::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(missing));
    EXPECT_TRUE(form->Modified());
    EXPECT_EQ(Read(path), QByteArray(kLayout));
    EXPECT_FALSE(QFile::exists(missing));
    // The layout still belongs to the file it came from: Save writes there.
    EXPECT_EQ(form->FileName(), path);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stripwright - ") + path);
    form->SaveProject();
    EXPECT_FALSE(form->Modified());
    EXPECT_NE(Read(path), QByteArray(kLayout));
}

}  // namespace
}  // namespace sw
