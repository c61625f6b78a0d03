// SPDX-License-Identifier: GPL-3.0-or-later
// The software centre's entry (AppStream metainfo): appstreamcli finds no
// error or warning in it, and it says what the program and the repository say:
// the release `--version` shows, the licence, the binary, the *.swb MIME type, the desktop
// entry, and screenshots that the README shows.

#include "packaging_support.h"
#include "ui/file_type_registration.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace sw {
namespace {

using test::RunTool;
using test::ToolRun;

QString Metainfo() { return test::PackagingFile(QStringLiteral("org.stripwright.Stripwright.metainfo.xml")); }

TEST(Metainfo, PassesAppstreamValidation) {
    const ToolRun check = RunTool(QStringLiteral("appstreamcli"),
                                  {QStringLiteral("validate"), QStringLiteral("--no-net"), Metainfo()});
    const std::string said = (check.out + check.err).toStdString();
    EXPECT_EQ(check.exitCode, 0) << said;
    static const QRegularExpression complaint(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption);
    EXPECT_FALSE(QString::fromUtf8(check.out + check.err).contains(complaint)) << said;
}

TEST(Metainfo, NamesTheReleaseBinaryFileTypeDesktopEntryAndScreenshots) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(Metainfo().toUtf8().constData()));
    const pugi::xml_node component = doc.child("component");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun version = RunTool(test::ProgramPath(), {QStringLiteral("--version")}, env);
    EXPECT_EQ(QStringLiteral("Stripwright release %1")
                  .arg(QLatin1String(component.child("releases").child("release").attribute("version").value())),
              QString::fromUtf8(version.out).section(QLatin1Char('\n'), 0, 0));
    EXPECT_STREQ(component.child_value("project_license"), "GPL-3.0-or-later");
    EXPECT_STREQ(component.child("provides").child_value("binary"), "stripwright");
    EXPECT_STREQ(component.child("provides").child_value("mediatype"), kLayoutMimeType);
    const QString desktopId = QLatin1String(component.child_value("launchable"));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(SW_SOURCE_DIR "/data/desktop/") + desktopId)) << desktopId.toStdString();

    // Each screenshot is one the README shows, by its path in the repository.
    const QByteArray readme = test::ReadFile(QStringLiteral(SW_SOURCE_DIR "/README.md"));
    int screenshots = 0;
    for (const pugi::xml_node shot : component.child("screenshots").children("screenshot")) {
        const QString url = QLatin1String(shot.child_value("image"));
        const QString path = url.section(QStringLiteral("/swb/"), 1);
        EXPECT_TRUE(url.startsWith(QLatin1String("http")) && path.startsWith(QLatin1String("docs/screenshots/")))
            << url.toStdString();
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(SW_SOURCE_DIR "/") + path)) << path.toStdString();
        EXPECT_TRUE(readme.contains("(" + path.toUtf8() + ")")) << path.toStdString();
        ++screenshots;
    }
    EXPECT_GE(screenshots, 1);
}

}  // namespace
}  // namespace sw
