// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps a hostile file finite: only regular files of bounded size are
// read, NUL characters are refused with their place, a deep file saves in
// proportion to its size, and what is drawn or quoted of a text is bounded.

#include "model/layout_document.h"
#include "model/layout_file_reader.h"
#include "model/nul_characters.h"
#include "model/text_bounds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace sw {
namespace {

const char kLayout[] = "<Layout Width=\"20\" Height=\"10\"><Resistor X1=\"1\" Y1=\"1\" X2=\"4\" Y2=\"1\" Name=\"R1\"/></Layout>";

TEST(LayoutFileReader, ReadsOnlyRegularFilesOfBoundedSize) {
    QTemporaryDir dir;
    const QString regular = dir.filePath(QStringLiteral("L.swb"));
    {
        QFile f(regular);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kLayout);
    }
    const QString pipe = dir.filePath(QStringLiteral("pipe.swb"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zeroLink = dir.filePath(QStringLiteral("zero.swb"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeroLink));
    const QString fileLink = dir.filePath(QStringLiteral("link.swb"));
    ASSERT_TRUE(QFile::link(regular, fileLink));
    const QString socketPath = dir.filePath(QStringLiteral("s.swb"));
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(socketName.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketName.constData(), size_t(socketName.size()));
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    const struct {
        QString path;
        qint64 limit;
        const char* says;  // nullptr: read whole
    } cases[] = {
        {regular, kMaxLayoutFileBytes, nullptr},
        {fileLink, kMaxLayoutFileBytes, nullptr},  // a link to a layout is that layout
        {regular, qint64(sizeof kLayout) - 1, nullptr},  // exactly at the limit
        {regular, 20, "it is 0.0 MB, more than the 0.0 MB a layout file may have"},
        {pipe, kMaxLayoutFileBytes, "it is a pipe, not a layout file"},  // no writer: no wait
        {zeroLink, kMaxLayoutFileBytes, "it is a device, not a layout file"},
        {QStringLiteral("/dev/urandom"), kMaxLayoutFileBytes, "it is a device"},
        {dir.path(), kMaxLayoutFileBytes, "it is a folder, not a layout file"},
        {socketPath, kMaxLayoutFileBytes, "No such device or address"},  // a socket cannot even be opened
        {dir.filePath(QStringLiteral("absent.swb")), kMaxLayoutFileBytes, "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const FileBytes read = ReadLayoutFileBytes(c.path, c.limit);
        if (!c.says) {
            ASSERT_TRUE(read.ok) << read.message.toStdString();
            EXPECT_EQ(read.bytes, QByteArray(kLayout));
            continue;
        }
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.bytes.isEmpty());
        EXPECT_EQ(read.message.left(read.message.indexOf(QLatin1String(": ")) + 2),
                  QStringLiteral("Cannot open \"%1\": ").arg(c.path));
        EXPECT_TRUE(read.message.contains(QLatin1String(c.says))) << read.message.toStdString();
    }
    close(sock);

    // The document refuses the same way, keeping what it had.
    LayoutDocument doc;
    const LoadResult fromPipe = doc.LoadFile(pipe);
    EXPECT_FALSE(fromPipe.ok);
    EXPECT_EQ(doc.GetRootAttribute("Project"), QStringLiteral("New Project"));
}

TEST(NulCharacters, AreFoundRawOrAsReferencesInEveryEncoding) {
    auto utf16le = [](const char* ascii) {
        QByteArray out("\xFF\xFE", 2);
        for (const char* p = ascii; *p; ++p)
            out += QByteArray(1, *p) + QByteArray(1, '\0');
        return out;
    };
    const struct {
        QByteArray bytes;
        pugi::xml_encoding encoding;
        qsizetype at;  // -1: none
    } cases[] = {
        {"<a b=\"R&#0;1\"/>", pugi::encoding_utf8, 7},
        {"<a b=\"R&#000;1\"/>", pugi::encoding_utf8, 7},
        {"<a>&#x0;</a>", pugi::encoding_utf8, 3},
        {"<a>&#X00;</a>", pugi::encoding_utf8, 3},
        {QByteArray("<a/>\0<b/>", 9), pugi::encoding_utf8, 4},
        {QByteArray("<a/>\0", 5), pugi::encoding_latin1, 4},
        {"<a>&#10;&#x20;&#;&#x;&#0</a>", pugi::encoding_utf8, -1},  // none of these is NUL
        {"<a>&#0</a>&amp;#0;", pugi::encoding_utf8, -1},
        {utf16le("<a>&#0;</a>"), pugi::encoding_utf16_le, 2 + 3 * 2},
        {utf16le("<a>x</a>"), pugi::encoding_utf16_le, -1},  // its zero bytes are no NUL characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const std::optional<qsizetype> at = FindNulCharacter(c.bytes, c.encoding);
        EXPECT_EQ(at.value_or(-1), c.at);
    }

    // The document refuses such a file, giving the place.
    LayoutDocument doc;
    const LoadResult cut = doc.LoadBytes(
        QByteArray("<Layout Width=\"2\" Height=\"2\"/>\0<Layout Width=\"3\" Height=\"3\"/>", 61),
        QStringLiteral("L.swb"));
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.message, QStringLiteral("\"L.swb\" is not a valid layout file: it holds the character "
                                          "NUL, which XML forbids, at offset 30"));
}

QByteArray Nested(int depth) {
    QByteArray text = "<Layout Width=\"20\" Height=\"10\">";
    for (int i = 0; i < depth; ++i)
        text += "<Deep>";
    text += "<Gadget/>";
    for (int i = 0; i < depth; ++i)
        text += "</Deep>";
    return text + "</Layout>";
}

TEST(LayoutDocument, DeepFilesSaveInProportionToTheirSizeAndMeanTheSame) {
    for (int depth : {3, 31, 32, 200, 20000}) {
        SCOPED_TRACE(depth);
        const QByteArray bytes = Nested(depth);
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadBytes(bytes, QStringLiteral("deep.swb")).ok);
        const std::string saved = doc.ToText();
        // Each element on a line of its own; indented only while shallow.
        EXPECT_LT(saved.size(), size_t(bytes.size()) * 2 + 64 * 64);
        EXPECT_EQ(saved.find("\n      <Deep>") != std::string::npos, depth <= 30);
        LayoutDocument reopened;
        ASSERT_TRUE(reopened.LoadText(saved).ok);
        pugi::xml_node deepest = reopened.Root();
        int levels = 0;
        while (deepest.child("Deep")) {
            deepest = deepest.child("Deep");
            ++levels;
        }
        EXPECT_EQ(levels, depth);
        EXPECT_TRUE(deepest.child("Gadget"));
    }
}

TEST(TextBounds, DrawnTextAndExcerptsAreBoundedButShortTextsStayWhole) {
    const QString accent(QChar(0x0301));
    const QString e = QStringLiteral("e");
    const struct {
        QString text;
        QString drawn;
        QString excerpt;
    } cases[] = {
        {QStringLiteral("R1"), QStringLiteral("R1"), QStringLiteral("R1")},
        {QStringLiteral("Ré 10µF 😀"), QStringLiteral("Ré 10µF 😀"), QStringLiteral("Ré 10µF 😀")},
        {e + accent.repeated(30), e + accent.repeated(30), e + accent.repeated(30)},
        // Past a million marks nothing more is looked at, the x included.
        {e + accent.repeated(1000000) + QStringLiteral("x"), e + accent.repeated(30),
         e + accent.repeated(30) + QStringLiteral("...")},
        {e + accent.repeated(100) + QStringLiteral("x"), e + accent.repeated(30) + QStringLiteral("x"),
         e + accent.repeated(30) + QStringLiteral("x...")},
        {QString(5000, u'W'), QString(1000, u'W'), QString(40, u'W') + QStringLiteral("...")},
        {QStringLiteral("R1\nsecond line"), QStringLiteral("R1\nsecond line"), QStringLiteral("R1...")},
        {QStringLiteral("😀").repeated(1001), QStringLiteral("😀").repeated(1000),
         QStringLiteral("😀").repeated(40) + QStringLiteral("...")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        EXPECT_EQ(DrawnText(c.text), c.drawn);
        EXPECT_EQ(DrawnText(c.text.toUtf8().constData()), c.drawn);
        EXPECT_EQ(Excerpt(c.text), c.excerpt);
    }
    // An attribute is read only as far as can be drawn.
    pugi::xml_document doc;
    const QByteArray huge(50 * 1024 * 1024, 'c');
    doc.append_child("Layout").append_attribute("Credits") = huge.constData();
    EXPECT_EQ(DrawnTextAttr(doc.child("Layout"), "Credits"), QString(kMaxDrawnCharacters, u'c'));
}

TEST(TextBounds, AMessageBoxShowsAFewShortLines) {
    const QString tall = QStringLiteral("line\n").repeated(50000);
    const QString shown = ShownMessage(QStringLiteral("Cannot open: ") + tall);
    EXPECT_EQ(shown.count(QLatin1Char('\n')), kMessageLines);
    EXPECT_TRUE(shown.endsWith(QLatin1String("\n...")));
    EXPECT_EQ(ShownMessage(QStringLiteral("Selected holes are connected!\rR1 -> R2")),
              QStringLiteral("Selected holes are connected!\nR1 -> R2"));
    EXPECT_EQ(ShownMessage(QString(500, u'x')), QString(kMessageLineCharacters, u'x') + QStringLiteral("..."));
    EXPECT_EQ(ShownMessage(QStringLiteral("a\r\nb\n")), QStringLiteral("a\nb\n"));
}

}  // namespace
}  // namespace sw
