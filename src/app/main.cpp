// The program: the editor, or a command run headlessly.

#include "cli/command_line.h"
#include "render/fonts.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

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
    sw::RegisterFonts();
    QTextStream err(stderr);
    err << "stripwright: the editor window is not available in this build; use the command line "
           "(stripwright --help), for example stripwright render-board LAYOUT.swb OUT.png\n";
    return 2;
}
