// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(FileTypeRegistration, WritesTypeIconAndDesktopEntryUnderTheDataHome) {
    QTemporaryDir home;
    FileTypeRegistrationRequest request;
    request.programPath = QStringLiteral("/opt/strip wright/bin/stripwright");
    request.dataHome = home.path();
    request.isRegistered = [] { return false; };
    request.notify = false;
    const RegistrationResult result = RegisterFileType(request);
    ASSERT_EQ(result.outcome, RegistrationOutcome::Written) << result.message.toStdString();

    const QString mime = Read(home.filePath(QStringLiteral("mime/packages/stripwright-layout.xml")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.swb\"/>")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<comment>SWB Layout File</comment>")));
    EXPECT_TRUE(mime.contains(QLatin1String(kLayoutMimeType)));

    const QString entry = Read(home.filePath(QStringLiteral("applications/stripwright.desktop")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"/opt/strip wright/bin/stripwright\" %f\n")))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("MimeType=application/x-stripwright-layout;")));

    const QString icon = Read(home.filePath(
        QStringLiteral("icons/hicolor/scalable/mimetypes/application-x-stripwright-layout.svg")));
    EXPECT_TRUE(icon.startsWith(QStringLiteral("<?xml")));
}

TEST(FileTypeRegistration, LeavesAnExistingRegistrationAlone) {
    QTemporaryDir home;
    FileTypeRegistrationRequest request;
    request.programPath = QStringLiteral("/usr/bin/stripwright");
    request.dataHome = home.path();
    request.isRegistered = [] { return true; };
    request.notify = false;
    EXPECT_EQ(RegisterFileType(request).outcome, RegistrationOutcome::AlreadyRegistered);
    EXPECT_TRUE(QDir(home.path()).isEmpty());
}

TEST(FileTypeRegistration, ReportsAFolderThatCannotBeCreated) {
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("mime")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where a folder must go
    blocker.close();
    FileTypeRegistrationRequest request;
    request.programPath = QStringLiteral("/usr/bin/stripwright");
    request.dataHome = home.path();
    request.isRegistered = [] { return false; };
    request.notify = false;
    const RegistrationResult result = RegisterFileType(request);
    EXPECT_EQ(result.outcome, RegistrationOutcome::Failed);
    EXPECT_TRUE(result.message.contains(QStringLiteral("mime")));
}

TEST(FileTypeRegistration, QuotesSpecialCharactersOfTheProgramPath) {
    const QString entry = DesktopEntry(QStringLiteral("/a\"b$c%d/prog"));
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/a\\\\\"b\\\\$c%%d/prog\" %f")))
        << entry.toStdString();
}

TEST(FileTypeRegistration, DataHomeFollowsTheEnvironment) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/somewhere");
    EXPECT_EQ(XdgDataHome(), QStringLiteral("/tmp/somewhere"));
    qputenv("XDG_DATA_HOME", "relative/path");  // not absolute: ignored
    EXPECT_EQ(XdgDataHome(), QDir::homePath() + QStringLiteral("/.local/share"));
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
}  // namespace sw
