#include "ui/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

static void InitUiResources() { Q_INIT_RESOURCE(stripwright); }

namespace sw {
namespace {

const QString kIconName = QStringLiteral("application-x-stripwright-layout");

bool WriteFile(const QString& path, const QByteArray& bytes, QString& message) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        message = QStringLiteral("Cannot create the folder of \"%1\"").arg(path);
        return false;
    }
    // Unbuffered, so a write that fails on a full disk is seen (see LayoutDocument::SaveFile).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit()) {
        message = QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
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

    RegistrationResult result{RegistrationOutcome::Written, {}};
    const bool ok =
        WriteFile(home + QStringLiteral("/mime/packages/stripwright-layout.xml"),
                  MimePackageXml().toUtf8(), result.message) &&
        WriteFile(home + QStringLiteral("/icons/hicolor/scalable/mimetypes/") + kIconName +
                      QStringLiteral(".svg"),
                  iconBytes, result.message) &&
        WriteFile(home + QStringLiteral("/applications/stripwright.desktop"),
                  DesktopEntry(request.programPath).toUtf8(), result.message);
    if (!ok) {
        result.outcome = RegistrationOutcome::Failed;
        return result;
    }
    if (request.notify) {
        RunIfPresent(QStringLiteral("update-mime-database"), {home + QStringLiteral("/mime")});
        RunIfPresent(QStringLiteral("update-desktop-database"),
                     {home + QStringLiteral("/applications")});
    }
    return result;
}

}  // namespace sw
