// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_type_registration.h"

#include "model/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <utility>

static void InitUiResources() { Q_INIT_RESOURCE(stripwright); }

namespace sw {
namespace {

const QString kIconName = QStringLiteral("application-x-stripwright-layout");

// Writes one desktop file, making its folder first.
WriteResult WriteDesktopFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {false, QStringLiteral("Cannot create the folder of \"%1\"").arg(path)};
    return WriteFileAtomically(path, bytes);
}

// Runs a desktop database tool when it is installed; its failure is not ours to report.
void RunIfPresent(const QString& tool, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    if (process.waitForStarted(2000))
        process.waitForFinished(10000);
}

// Quotes an argument of a desktop entry's Exec key.
QString QuoteExecArgument(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    // In a desktop entry a literal percent sign is written twice.
    escaped.replace(QLatin1String("%"), QLatin1String("%%"));
    // The entry itself is a string value, in which backslashes are escaped again.
    escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return u'"' + escaped + u'"';
}

}  // namespace

QString XdgDataHome() {
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

bool IsSwbTypeKnown() {
    const QList<QMimeType> types =
        QMimeDatabase().mimeTypesForFileName(QStringLiteral("layout.swb"));
    return !types.isEmpty();
}

QString MimePackageXml() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>SWB Layout File</comment>\n"
               "    <icon name=\"%2\"/>\n"
               "    <sub-class-of type=\"application/xml\"/>\n"
               "    <glob pattern=\"*.swb\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(QLatin1String(kLayoutMimeType), kIconName);
}

QString DesktopEntry(const QString& programPath) {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Stripwright\n"
               "Comment=Draw the layout of small circuits on stripboard, perfboard or PCB\n"
               "Exec=%1 %f\n"
               "Icon=%2\n"
               "MimeType=%3;\n"
               "Categories=Development;Electronics;Engineering;\n"
               "Terminal=false\n")
        .arg(QuoteExecArgument(programPath), kIconName, QLatin1String(kLayoutMimeType));
}

RegistrationResult RegisterFileType(const FileTypeRegistrationRequest& request) {
    const bool known = request.isRegistered ? request.isRegistered() : IsSwbTypeKnown();
    if (known)
        return {RegistrationOutcome::AlreadyRegistered, {}};

    const QString home = request.dataHome.isEmpty() ? XdgDataHome() : request.dataHome;
    InitUiResources();
    QFile icon(QStringLiteral(":/icons/stripwright-layout.svg"));
    if (!icon.open(QIODevice::ReadOnly))
        return {RegistrationOutcome::Failed, QStringLiteral("The file-type icon is missing")};
    const QByteArray iconBytes = icon.readAll();

    const std::pair<QString, QByteArray> files[] = {
        {home + QStringLiteral("/mime/packages/stripwright-layout.xml"), MimePackageXml().toUtf8()},
        {home + QStringLiteral("/icons/hicolor/scalable/mimetypes/") + kIconName +
             QStringLiteral(".svg"),
         iconBytes},
        {home + QStringLiteral("/applications/stripwright.desktop"),
         DesktopEntry(request.programPath).toUtf8()},
    };
    for (const auto& [path, bytes] : files) {
        const WriteResult written = WriteDesktopFile(path, bytes);
        if (!written.ok)
            return {RegistrationOutcome::Failed, written.message};
    }
    if (request.notify) {
        RunIfPresent(QStringLiteral("update-mime-database"), {home + QStringLiteral("/mime")});
        RunIfPresent(QStringLiteral("update-desktop-database"),
                     {home + QStringLiteral("/applications")});
    }
    return {RegistrationOutcome::Written, {}};
}

}  // namespace sw
