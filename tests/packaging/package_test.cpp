// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package that scripts/package makes: CPack builds it from the
// build tree; it holds exactly what `cmake --install` puts in place, all of it
// under /usr and owned by root, has no maintainer scripts, declares the libraries the program links, runs
// from an extracted tree, and lintian finds neither error nor warning in it.

#include "packaging_support.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::RunTool;
using test::ToolRun;

QString Output(const ToolRun& run) { return QString::fromUtf8(run.out + run.err); }

// Every file (not folder) below `root`, relative to it.
QSet<QString> FilesBelow(const QString& root) {
    QSet<QString> files;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

TEST(DebianPackage, HoldsTheInstalledFilesRunsAndPassesLintian) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const ToolRun cpack = RunTool(QStringLiteral("cpack"),
                                  {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                   QStringLiteral(SW_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                                   work.path()});
    ASSERT_EQ(cpack.exitCode, 0) << Output(cpack).toStdString();
    const QStringList debs = QDir(work.path()).entryList({QStringLiteral("stripwright_*_amd64.deb")});
    ASSERT_EQ(debs.size(), 1) << Output(cpack).toStdString();
    const QString deb = work.filePath(debs.first());

    // The same files as an install into an empty root, every one under usr/
    // and owned by root.
    const QString installRoot = work.filePath(QStringLiteral("installed"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), installRoot);
    const ToolRun install = RunTool(QStringLiteral("cmake"),
                                    {QStringLiteral("--install"), QStringLiteral(SW_BUILD_DIR),
                                     QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                    env);
    ASSERT_EQ(install.exitCode, 0) << Output(install).toStdString();
    const ToolRun listing = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    ASSERT_EQ(listing.exitCode, 0) << Output(listing).toStdString();
    QSet<QString> packaged;
    static const QRegularExpression entry(QStringLiteral("^(\\S+) (\\S+) +\\d+ \\S+ \\S+ \\./(.*)$"));
    for (const QString& line : QString::fromUtf8(listing.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const auto m = entry.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        EXPECT_EQ(m.captured(2), QStringLiteral("root/root")) << line.toStdString();
        EXPECT_TRUE(m.captured(3).startsWith(QLatin1String("usr/"))) << line.toStdString();
        if (!m.captured(1).startsWith(QLatin1Char('d')))
            packaged.insert(m.captured(3));
    }
    EXPECT_EQ(packaged, FilesBelow(installRoot));
    for (const QString& file : test::InstalledFiles())
        EXPECT_TRUE(packaged.contains(QStringLiteral("usr/") + file)) << file.toStdString();

    // No maintainer script: the package writes nothing but its own files (the
    // desktop's databases are refreshed by their own packages' triggers).
    const ToolRun info = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), deb});
    for (const char* script : {"preinst", "postinst", "prerm", "postrm", "config"})
        EXPECT_FALSE(QString::fromUtf8(info.out).contains(
            QRegularExpression(QStringLiteral("\\b%1\\b").arg(QLatin1String(script)))))
            << script << "\n" << info.out.toStdString();

    // The libraries the program links are declared, as are the platform
    // plugins and the fonts it loads without linking.
    const ToolRun fields = RunTool(QStringLiteral("dpkg-deb"),
                                   {QStringLiteral("--field"), deb, QStringLiteral("Version"),
                                    QStringLiteral("Depends")});
    const QString control = QString::fromUtf8(fields.out);
    for (const char* dependency : {"libqt6widgets6", "libqt6printsupport6", "libqt6network6", "libpugixml1v5",
                                   "libgif7", "libjpeg62-turbo", "libimagequant0", "libc6", "qt6-qpa-plugins",
                                   "fonts-wine"})
        EXPECT_TRUE(control.contains(QLatin1String(dependency))) << dependency << "\n" << control.toStdString();

    // Unpacked into a throw-away root, the program runs and tells the
    // release that the package's version names.
    const QString root = work.filePath(QStringLiteral("root"));
    const ToolRun extract = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--extract"), deb, root});
    ASSERT_EQ(extract.exitCode, 0) << Output(extract).toStdString();
    const ToolRun version = RunTool(root + QStringLiteral("/usr/bin/stripwright"), {QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0) << Output(version).toStdString();
    const QString release = QRegularExpression(QStringLiteral("^Version: (\\S+)$"), QRegularExpression::MultilineOption)
                                .match(control)
                                .captured(1);
    EXPECT_FALSE(release.isEmpty()) << control.toStdString();
    EXPECT_EQ(QString::fromUtf8(version.out).section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Stripwright release %1").arg(release));

    const ToolRun lintian = RunTool(QStringLiteral("lintian"), {QStringLiteral("--fail-on"),
                                                                QStringLiteral("error,warning"), deb});
    EXPECT_EQ(lintian.exitCode, 0) << "lintian:\n" << Output(lintian).toStdString();
    static const QRegularExpression complaint(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption);
    EXPECT_FALSE(Output(lintian).contains(complaint)) << Output(lintian).toStdString();
}

}  // namespace
}  // namespace sw
