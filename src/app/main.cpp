// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the editor, or a command run headlessly.

#include "cli/command_line.h"
#include "render/fonts.h"
#include "model/file_names.h"
#include "model/text_bounds.h"
#include "ui/main_form.h"
#include "ui/recovery_keeper.h"
#include "ui/run_settings.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt wants a private runtime folder and warns on stderr when the session has
// none (a console or CI login); give it one of our own, quietly.
void EnsureRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir = "/tmp/stripwright-runtime-" + QByteArray::number(uint(getuid()));
    mkdir(dir.constData(), 0700);
    struct stat info {};
    if (stat(dir.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid()) {
        chmod(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
}

// While the application object is made, Qt ends the process with abort() and a
// page about platform plug-ins when no display can be opened. Say it in one
// line and exit 2 instead; Qt's warnings of that moment are kept for the line.
QtMessageHandler g_previousHandler = nullptr;
QByteArray g_startWarnings;

void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        g_startWarnings += text.toLocal8Bit().left(200) + '\n';
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr,
                 "stripwright: the editor's window cannot be opened (no usable display%s%s); "
                 "the commands run without one: stripwright --help\n",
                 display.isEmpty() ? ", DISPLAY is not set" : ": DISPLAY=",
                 display.left(100).constData());
    if (!g_startWarnings.isEmpty())
        std::fprintf(stderr, "%s", g_startWarnings.constData());
    (void)context;
    std::fflush(stderr);
    std::_Exit(sw::kExitBadInput);
}

struct StartUpGuard {
    StartUpGuard() { g_previousHandler = qInstallMessageHandler(StartUpMessage); }
    // Once the application stands, Qt's messages go where they always go; the
    // warnings held while it started are shown then.
    void Started() {
        qInstallMessageHandler(g_previousHandler);
        if (!g_startWarnings.isEmpty())
            std::fprintf(stderr, "%s", g_startWarnings.constData());
        g_startWarnings.clear();
    }
};

// What a command printed must have reached standard output: a full disk or a
// closed pipe behind it (`bom L.swb - > /dev/full`) is a failed write, exit 1.
int FinishStandardOutput(QTextStream& out, const QFile& device, QTextStream& err, int code) {
    out.flush();
    if (out.status() == QTextStream::Ok && device.error() == QFileDevice::NoError)
        return code;
    err << "stripwright: cannot write to standard output: " << device.errorString() << "\n";
    return code == sw::kExitOk ? sw::kExitOutputFailed : code;
}

// File names are bytes, held here as text: an argument that is not UTF-8
// cannot be kept exactly, and is refused rather than taken for another name.
QString ArgumentProblem(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (!sw::IsValidUtf8(QByteArray(argv[i])))
            return QStringLiteral("argument %1 (\"%2\") is not valid UTF-8: a file of that name "
                                  "cannot be opened or written under exactly its name; rename it")
                .arg(i)
                .arg(sw::Excerpt(sw::ShownBytes(QByteArray(argv[i])), sw::kMessageLineCharacters));
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString argumentProblem = ArgumentProblem(argc, argv);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
    EnsureRuntimeDir();

    if (!argumentProblem.isEmpty() && sw::IsCommandLineCommand(args)) {
        std::fprintf(stderr, "stripwright: %s\n", argumentProblem.toUtf8().constData());
        return sw::kExitBadInput;
    }

    if (sw::IsCommandLineCommand(args)) {
        // Commands draw with the same fonts as the editor but need no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        StartUpGuard guard;
        QGuiApplication app(argc, argv);
        guard.Started();
        sw::RegisterFonts();
        // Standard output is written straight through its descriptor, so a
        // failed write keeps the system's reason.
        QFile standardOutput;
        standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
        QTextStream out(&standardOutput);
        QTextStream err(stderr);
        int code = sw::RunCommandLine(args, out, err);
        code = FinishStandardOutput(out, standardOutput, err, code);
        err.flush();
        return code;
    }

    StartUpGuard guard;
    QApplication app(argc, argv);
    guard.Started();
    QApplication::setApplicationName(QStringLiteral("Stripwright"));
    // Nothing is remembered from one run to the next, not even by Qt's dialogs.
    const sw::RunSettings runSettings;
    sw::RegisterFonts();
    sw::MainFormOptions options;
    options.arguments = args;
    if (!args.isEmpty() && args.first() == QLatin1String("--"))
        options.arguments.removeFirst();  // the end of the options
    if (!argumentProblem.isEmpty()) {
        // The editor starts with its default layout, after saying why.
        options.arguments.clear();
        std::fprintf(stderr, "stripwright: %s\n", argumentProblem.toUtf8().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Error"), sw::ShownMessage(argumentProblem));
    }
    sw::TMainForm window(options);
    // Unsaved work outlives a signal, the display's end and a crash (a copy a minute).
    sw::RecoveryKeeper keeper(window, sw::RecoveryStore(sw::RecoveryFolder(), QCoreApplication::applicationPid()));
    window.show();
    QTimer::singleShot(0, &keeper, &sw::RecoveryKeeper::OfferRecovery);
    return app.exec();
}
