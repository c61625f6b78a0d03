// SPDX-License-Identifier: GPL-3.0-or-later
// The licence as the release states it: LICENSE is the GNU General Public
// License version 3 word for word, the package's copyright file says
// GPL-3.0-or-later in Debian's machine-readable format and points at the
// system's copy of the text, and --version names it.

#include "model/release.h"
#include "packaging_support.h"

#include <QMap>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunTool;
using test::ToolRun;

// One paragraph of a Debian control-style file: field name to value, the
// continuation lines joined with '\n' (their leading space dropped, a lone
// "." standing for an empty line).
using Paragraph = QMap<QString, QString>;

std::vector<Paragraph> ReadParagraphs(const QString& text) {
    std::vector<Paragraph> paragraphs;
    Paragraph current;
    QString field;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty())
                paragraphs.push_back(current);
            current.clear();
            field.clear();
        } else if (line.startsWith(QLatin1Char(' ')) && !field.isEmpty()) {
            const QString more = line.mid(1);
            current[field] += QLatin1Char('\n') + (more == QLatin1String(".") ? QString() : more);
        } else {
            field = line.section(QLatin1Char(':'), 0, 0);
            current[field] = line.section(QLatin1Char(':'), 1).trimmed();
        }
    }
    if (!current.isEmpty())
        paragraphs.push_back(current);
    return paragraphs;
}

TEST(Licence, TheLicenceFileIsTheGplVersion3AsTheFsfPublishesIt) {
    // Debian keeps the FSF's text unchanged in base-files.
    const QByteArray fsf = test::ReadFile(QStringLiteral("/usr/share/common-licenses/GPL-3"));
    ASSERT_FALSE(fsf.isEmpty());
    EXPECT_TRUE(test::ReadFile(QStringLiteral(SW_SOURCE_DIR "/LICENSE")) == fsf)
        << "LICENSE differs from /usr/share/common-licenses/GPL-3";
}

TEST(Licence, TheCopyrightFileIsMachineReadableAndSaysGpl3OrLater) {
    const std::vector<Paragraph> paragraphs =
        ReadParagraphs(QString::fromUtf8(test::ReadFile(QStringLiteral(SW_SOURCE_DIR "/data/debian/copyright"))));
    ASSERT_GE(paragraphs.size(), 3u);
    const Paragraph& header = paragraphs.front();
    EXPECT_EQ(header.value(QStringLiteral("Format")),
              QStringLiteral("https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"));
    EXPECT_EQ(header.value(QStringLiteral("Upstream-Name")), QStringLiteral("Stripwright"));

    // Every file is covered; each licence a Files paragraph names has its
    // text in a paragraph of its own.
    QMap<QString, QString> licenceTexts;
    QStringList named;
    bool everyFile = false;
    for (auto p = paragraphs.begin() + 1; p != paragraphs.end(); ++p) {
        const QString licence = p->value(QStringLiteral("License"));
        ASSERT_FALSE(licence.isEmpty()) << p->keys().join(QLatin1Char(' ')).toStdString();
        if (p->contains(QStringLiteral("Files"))) {
            EXPECT_FALSE(p->value(QStringLiteral("Copyright")).isEmpty());
            everyFile |= p->value(QStringLiteral("Files")) == QLatin1String("*");
            named << licence;
        } else {
            licenceTexts[licence.section(QLatin1Char('\n'), 0, 0)] = licence.section(QLatin1Char('\n'), 1);
        }
    }
    EXPECT_TRUE(everyFile);
    EXPECT_EQ(named, QStringList{QStringLiteral("GPL-3+")});
    for (const QString& licence : named)
        EXPECT_TRUE(licenceTexts.contains(licence)) << licence.toStdString();

    const QString gpl = licenceTexts.value(QStringLiteral("GPL-3+")).simplified();
    for (const char* words : {"either version 3 of the License, or (at your option) any later version",
                              "WITHOUT ANY WARRANTY", "\"/usr/share/common-licenses/GPL-3\""})
        EXPECT_TRUE(gpl.contains(QLatin1String(words))) << words << "\n" << gpl.toStdString();
}

TEST(Licence, VersionNamesTheReleaseAndTheLicence) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun version = RunTool(test::ProgramPath(), {QStringLiteral("--version")}, env);
    EXPECT_EQ(version.exitCode, 0);
    const QString text = QString::fromUtf8(version.out);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Stripwright release " SW_VERSION "\n"))) << text.toStdString();
    for (const char* words : {"Licence GPL-3.0-or-later", "GNU General Public License, version 3 or any\nlater",
                              "NO WARRANTY"})
        EXPECT_TRUE(text.contains(QLatin1String(words))) << words << "\n" << text.toStdString();
    EXPECT_TRUE(version.err.isEmpty()) << version.err.toStdString();
}

}  // namespace
}  // namespace sw
