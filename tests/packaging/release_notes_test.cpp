// SPDX-License-Identifier: GPL-3.0-or-later
// The releases as CHANGELOG.md tells them are the ones the software centre's
// entry and the package's changelog list, newest first, the newest being what
// --version shows; and the tool that makes both from the changelog refuses a
// changelog it cannot read right instead of writing something else.

#include "model/release.h"
#include "packaging_support.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace sw {
namespace {

using test::RunTool;
using test::ToolRun;

// "N YYYY-MM-DD" of every release a text names, in its order, found by `pattern`.
QStringList Releases(const QString& text, const QString& pattern) {
    QStringList found;
    const QRegularExpression release(pattern, QRegularExpression::MultilineOption);
    for (auto it = release.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        found << m.captured(1) + QLatin1Char(' ') + m.captured(2);
    }
    return found;
}

TEST(ReleaseNotes, TheMetainfoAndThePackageChangelogListTheReleasesOfTheChangelog) {
    const QStringList told = Releases(QString::fromUtf8(test::ReadFile(QStringLiteral(SW_SOURCE_DIR "/CHANGELOG.md"))),
                                      QStringLiteral("^## \\[(\\d+)\\] - (\\S+)$"));
    ASSERT_GE(told.size(), 2);
    EXPECT_EQ(told.first().section(QLatin1Char(' '), 0, 0), QStringLiteral(SW_VERSION));

    pugi::xml_document metainfo;
    ASSERT_TRUE(metainfo.load_file(test::PackagingFile(QStringLiteral("org.stripwright.Stripwright.metainfo.xml"))
                                       .toUtf8()
                                       .constData()));
    QStringList listed;
    for (const pugi::xml_node release : metainfo.child("component").child("releases").children("release")) {
        listed << QStringLiteral("%1 %2").arg(QLatin1String(release.attribute("version").value()),
                                              QLatin1String(release.attribute("date").value()));
        EXPECT_FALSE(release.child("description").child("ul").child("li").text().empty()) << listed.last().toStdString();
    }
    EXPECT_EQ(listed, told);

    // The Debian changelog: "stripwright (N) ..." and the day of its sign-off.
    const QString debian = QString::fromUtf8(test::ReadFile(test::PackagingFile(QStringLiteral("changelog"))));
    QStringList entries;
    for (const QString& entry : Releases(debian, QStringLiteral("^stripwright \\((\\d+)\\) unstable; urgency=medium$()")))
        entries << entry.trimmed();
    QStringList days;
    for (const QString& day : Releases(debian, QStringLiteral("^ -- .*  \\w{3}, (\\d\\d \\w{3} \\d{4}) ()")))
        days << QLocale::c().toDate(day.trimmed(), QStringLiteral("dd MMM yyyy")).toString(Qt::ISODate);
    ASSERT_EQ(entries.size(), told.size()) << debian.toStdString();
    ASSERT_EQ(days.size(), told.size()) << debian.toStdString();
    for (qsizetype i = 0; i < told.size(); ++i)
        EXPECT_EQ(entries[i] + QLatin1Char(' ') + days[i], told[i]);
}

TEST(ReleaseNotes, TheToolFillsTheListOrRefusesTheChangelogNamingTheFault) {
    struct Case {
        const char* changelog;
        const char* release;  // the build's RELEASE and RELEASE_DATE
        const char* said;     // in the filled template, or in the message on refusal
        bool written;
    };
    const Case cases[] = {
        {"# Changelog\n\n## [Unreleased]\n\n- not yet\n\n## [3] - 2026-01-02\n\nWords of its own.\n\n"
         "### Fixed\n\n- `a & b` <c> in [a link](http://x)\n  goes on here\n\n## [2] - 2026-01-01\n\n### Added\n\n- first\n",
         "3 2026-01-02",
         "<release version=\"3\" date=\"2026-01-02\">\n      <description>\n        <p>Words of its own.</p>\n"
         "        <p>Fixed:</p>\n        <ul>\n          <li>a &amp; b &lt;c&gt; in a link goes on here</li>",
         true},
        {"## [3] - 2026-01-02\n### Added\n- x\n", "4 2026-01-02", "the newest release of CHANGELOG.md is 3 of 2026-01-02",
         false},
        {"## [3] - 2026-01-02\n### Added\n- x\n", "3 2026-01-03", "the build's is 3 of 2026-01-03", false},
        {"## [2] - 2026-01-02\n### Added\n- x\n## [3] - 2026-01-01\n### Added\n- y\n", "2 2026-01-02",
         "CHANGELOG.md:4: release 3 is not older", false},
        {"## [3] - 2026-01-02\n### Added\n- x\n## [2] - 2026-01-02\n### Added\n- y\n", "3 2026-01-02",
         "CHANGELOG.md:4: release 2 is not older", false},  // one day for two releases
        {"## [3] - 2026-01-02\n- x\n", "3 2026-01-02", "CHANGELOG.md:2: an item outside", false},
        {"## [3] 2026-01-02\n### Added\n- x\n", "3 2026-01-02", "CHANGELOG.md:1: not \"## [N] - YYYY-MM-DD\"", false},
        {"## [3] - 2026-02-30\n### Added\n- x\n", "3 2026-02-30", "CHANGELOG.md:1: not", false},
        {"## [Unreleased]\n- x\n", "3 2026-01-02", "names no release", false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QFile changelog(dir.filePath(QStringLiteral("CHANGELOG.md")));
        ASSERT_TRUE(changelog.open(QIODevice::WriteOnly));
        changelog.write(c.changelog);
        changelog.close();
        QFile templ(dir.filePath(QStringLiteral("in")));
        ASSERT_TRUE(templ.open(QIODevice::WriteOnly));
        templ.write("<releases>\n@RELEASES_XML@\n</releases>\n");
        templ.close();
        const QString out = dir.filePath(QStringLiteral("out"));
        const QStringList release = QString::fromLatin1(c.release).split(QLatin1Char(' '));
        const ToolRun run = RunTool(QStringLiteral(SW_BUILD_DIR "/sw_release_notes"),
                                    {changelog.fileName(), templ.fileName(), out, QStringLiteral("RELEASE=") + release[0],
                                     QStringLiteral("RELEASE_DATE=") + release[1]});
        const QByteArray written = test::ReadFile(out);
        EXPECT_EQ(run.exitCode == 0, c.written) << c.changelog << "\n" << run.err.toStdString();
        EXPECT_EQ(QFile::exists(out), c.written) << c.changelog;
        EXPECT_TRUE((c.written ? written : run.err).contains(c.said))
            << c.changelog << "\n" << (c.written ? written : run.err).toStdString();
    }
}

}  // namespace
}  // namespace sw
