// The program: the editor, or a command run headlessly.

#include "cli/command_line.h"
#include "render/fonts.h"
#include "ui/main_form.h"

#include <QApplication>
#include <QTextStream>
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

}  // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    EnsureRuntimeDir();

    if (sw::IsCommandLineCommand(args)) {
        // Commands draw with the same fonts as the editor but need no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        sw::RegisterFonts();
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int code = sw::RunCommandLine(args, out, err);
        out.flush();
        err.flush();
        return code;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stripwright"));
    sw::RegisterFonts();
    sw::MainFormOptions options;
    options.arguments = args;
    sw::TMainForm window(options);
    window.show();
    return app.exec();
}
