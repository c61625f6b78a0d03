// SPDX-License-Identifier: GPL-3.0-or-later
// The real program under Xvfb driven with real X events: choose Resistor, click
// two holes, type the value into the dialog, press OK, save with Ctrl+S into a
// file name, and read the saved layout back.

#include "test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <csignal>

namespace sw {
namespace {

constexpr QRgb kCopper = 0xFFB942;

class XSession {
public:
    // An X server of its own through xvfb-run; its shell prints the display and
    // the authority file, then waits until `stopFile` exists (two minutes at most).
    // The server does not reset when its last client goes: an editor started
    // right after one was ended would otherwise meet the reset and find no display.
    bool Start(const QString& stopFile) {
        m_server.setProcessChannelMode(QProcess::SeparateChannels);
        m_server.start(QStringLiteral("xvfb-run"),
                       {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1600x1000x24 -noreset"),
                        QStringLiteral("sh"), QStringLiteral("-c"),
                        QStringLiteral("echo \"$DISPLAY $XAUTHORITY\"; n=0; "
                                       "while [ ! -e \"$0\" ] && [ $n -lt 600 ]; do sleep 0.2; n=$((n+1)); done"),
                        stopFile});
        if (!m_server.waitForStarted(10000))
            return false;
        QElapsedTimer timer;
        timer.start();
        while (!m_server.canReadLine() && timer.elapsed() < 20000)
            m_server.waitForReadyRead(500);
        const QStringList words = QString::fromLocal8Bit(m_server.readLine()).trimmed().split(u' ');
        if (words.size() != 2)
            return false;
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        m_env.insert(QStringLiteral("DISPLAY"), words[0]);
        m_env.insert(QStringLiteral("XAUTHORITY"), words[1]);
        return true;
    }
    void Stop() { m_server.waitForFinished(20000); }
    const QProcessEnvironment& Env() const { return m_env; }

    // Runs a tool against the display and returns its output.
    QByteArray Run(const QString& program, const QStringList& arguments) const {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(program, arguments);
        p.waitForFinished(20000);
        return p.readAllStandardOutput();
    }
    void Xdo(const QStringList& arguments) const {
        Run(QStringLiteral("xdotool"), arguments);
        QThread::msleep(300);
    }
    // Waits until a window of this caption is shown (or gone); false on time-out.
    bool WaitForWindow(const QString& caption, bool shown = true) const {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000) {
            const bool found = !Run(QStringLiteral("xdotool"),
                                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), caption})
                                    .isEmpty();
            if (found == shown)
                return true;
            QThread::msleep(200);
        }
        return false;
    }
    void ClickAt(QPoint p) const {
        Xdo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
        Xdo({QStringLiteral("click"), QStringLiteral("1")});
    }
    QImage Screenshot(const QString& path) const {
        Run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }

private:
    QProcess m_server;
    QProcessEnvironment m_env;
};

// The top left corner of the copper of the stripboard's first strip on screen:
// the first long run of copper (the kind pictures have a few such pixels too).
std::optional<QPoint> CopperCorner(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = (line[x] & 0xFFFFFF) == kCopper ? run + 1 : 0;
            if (run == 100)
                return QPoint(x - 99, y);
        }
    }
    return std::nullopt;
}

TEST(PlaceAndSave, AResistorPlacedWithTheMouseIsSavedToTheChosenFile) {
    for (const char* tool : {"xvfb-run", "xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir dir;
    const QString stop = dir.filePath(QStringLiteral("stop"));
    const QString saved = dir.filePath(QStringLiteral("placed.swb"));
    XSession x;
    ASSERT_TRUE(x.Start(stop)) << "no X server";

    QProcess editor;
    QProcessEnvironment env = x.Env();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    editor.setProcessEnvironment(env);
    editor.start(test::ProgramPath(), {});
    ASSERT_TRUE(editor.waitForStarted(10000));
    auto finish = qScopeGuard([&] {
        editor.kill();
        editor.waitForFinished(5000);
        QFile(stop).open(QIODevice::WriteOnly);
        x.Stop();
    });
    QElapsedTimer timer;
    timer.start();
    QByteArray window;
    while ((window = x.Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"),
                                                       QStringLiteral("^Stripwright")}))
               .isEmpty() &&
           timer.elapsed() < 20000)
        QThread::msleep(200);
    ASSERT_FALSE(window.isEmpty()) << "no editor window";
    // Without a window manager nothing gives the window the keyboard focus, nor
    // gives it back when a dialog closes.
    const QString windowId = QString::fromLatin1(window.split('\n').first());
    auto focusEditor = [&] { x.Xdo({QStringLiteral("windowfocus"), windowId}); };
    focusEditor();

    // Hole (X, Y) from the first strip's copper: the strip starts 10 pixels right
    // of the board origin and 6 pixels above the hole row's centre.
    // Wait until the window is maximised and painted (slow on a busy machine),
    // then let the layout settle for a moment.
    std::optional<QPoint> corner;
    timer.restart();
    while (!(corner = CopperCorner(x.Screenshot(dir.filePath(QStringLiteral("before.png"))))) &&
           timer.elapsed() < 30000)
        QThread::msleep(300);
    ASSERT_TRUE(corner) << "no stripboard on screen";
    QThread::msleep(500);
    corner = CopperCorner(x.Screenshot(dir.filePath(QStringLiteral("before.png"))));
    ASSERT_TRUE(corner) << "no stripboard on screen";
    auto hole = [&](int column, int row) {
        return QPoint(corner->x() - 10 + 20 * column, corner->y() + 6 + 20 * (row - 1));
    };

    // The Resistor item of the toolbox (the sixth item under "Toolbox").
    x.ClickAt(QPoint(46, 370));
    x.ClickAt(hole(2, 3));
    // The purple source marker shows that the click took the hole.
    bool marked = false;
    for (int i = 0; i < 30 && !marked; ++i)
        marked = (x.Screenshot(dir.filePath(QStringLiteral("marked.png"))).pixel(hole(2, 3)) &
                  0xFFFFFF) == 0x800080u;
    EXPECT_TRUE(marked) << "no source marker";
    x.ClickAt(hole(6, 3));
    ASSERT_TRUE(x.WaitForWindow(QStringLiteral("^New component$"))) << "no value dialog";
    x.Xdo({QStringLiteral("type"), QStringLiteral("10")});
    x.Xdo({QStringLiteral("key"), QStringLiteral("Tab")});
    x.Xdo({QStringLiteral("type"), QStringLiteral("K")});
    x.Xdo({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(x.WaitForWindow(QStringLiteral("^New component$"), false));
    focusEditor();
    x.Xdo({QStringLiteral("key"), QStringLiteral("ctrl+s")});
    const bool saveDialog = x.WaitForWindow(QStringLiteral("^Save Project As$"));
    x.Screenshot(dir.filePath(QStringLiteral("save.png")));
    ASSERT_TRUE(saveDialog) << "no save dialog";
    x.Xdo({QStringLiteral("type"), saved});
    x.Xdo({QStringLiteral("key"), QStringLiteral("Return")});
    timer.restart();
    while (!QFile::exists(saved) && timer.elapsed() < 10000)
        QThread::msleep(200);

    x.Screenshot(dir.filePath(QStringLiteral("after.png")));
    QFile file(saved);
    // The screens stay for a look when the test fails.
    dir.setAutoRemove(QFile::exists(saved));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly))
        << "nothing saved; screens in " << dir.path().toStdString();
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains(R"(<Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1")"))
        << text.toStdString();
}

// A modified layout outlives the signals of a shutdown or a logout: the editor
// writes its recovery copy before it ends, and the next start offers it.
TEST(PlaceAndSave, ASignalLeavesARecoveryCopyTheNextStartOffers) {
    for (const char* tool : {"xvfb-run", "xdotool", "import"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir dir;
    const QString stop = dir.filePath(QStringLiteral("stop"));
    const QString layout = dir.filePath(QStringLiteral("flasher.swb"));
    const QString copies = dir.filePath(QStringLiteral("state/stripwright"));
    XSession x;
    ASSERT_TRUE(x.Start(stop)) << "no X server";
    auto finishX = qScopeGuard([&] {
        QFile(stop).open(QIODevice::WriteOnly);
        x.Stop();
    });
    QProcessEnvironment env = x.Env();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
    auto recoveryCopies = [&] { return QDir(copies).entryList({QStringLiteral("*.recovery")}, QDir::Files); };

    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QFile::remove(layout);
        // Without its netlist, so no netlist panel takes the right edge where
        // the explorer's buttons are clicked.
        {
            QFile example(test::ExamplePath(QStringLiteral("stripboard.swb")));
            QFile copy(layout);
            ASSERT_TRUE(example.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly));
            copy.write(example.readAll().replace(" Netlist=\"stripboard.net\"", ""));
        }
        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.start(test::ProgramPath(), {layout});
        ASSERT_TRUE(editor.waitForStarted(10000));
        QElapsedTimer timer;
        timer.start();
        while (!CopperCorner(x.Screenshot(dir.filePath(QStringLiteral("shown.png")))) && timer.elapsed() < 30000)
            QThread::msleep(300);
        QThread::msleep(500);
        // Select All, then Move Right: the explorer's buttons at the bottom right;
        // again while the screen does not show the move (a busy machine may still
        // be finishing the first paint when the clicks arrive).
        const QRect board(150, 100, 1250, 750);  // the board between the side panels
        const QImage shown = x.Screenshot(dir.filePath(QStringLiteral("shown.png"))).copy(board);
        for (int attempt = 0; attempt < 5; ++attempt) {
            x.ClickAt(QPoint(1577, 884));
            x.ClickAt(QPoint(1577, 912));
            QThread::msleep(500);
            if (x.Screenshot(dir.filePath(QStringLiteral("moved.png"))).copy(board) != shown)
                break;
        }
        ::kill(pid_t(editor.processId()), signal);
        ASSERT_TRUE(editor.waitForFinished(10000));
        EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit) << "ended by the signal";
        ASSERT_EQ(recoveryCopies().size(), 1) << "no copy; screens in " << dir.path().toStdString();
        QFile copy(QDir(copies).filePath(recoveryCopies().first()));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_TRUE(copy.readLine().trimmed().endsWith("flasher.swb"));
        EXPECT_NE(copy.readAll(), [&] {
            QFile original(layout);
            original.open(QIODevice::ReadOnly);
            return original.readAll();
        }()) << "the copy holds the moved parts";
        if (signal == SIGHUP) break;
        QFile::remove(copy.fileName());
    }

    // The next start asks; Return answers Yes, the default.
    const QString left = recoveryCopies().value(0);
    QProcess editor;
    editor.setProcessEnvironment(env);
    editor.start(test::ProgramPath(), {});
    ASSERT_TRUE(editor.waitForStarted(10000));
    auto finishEditor = qScopeGuard([&] {
        editor.kill();
        editor.waitForFinished(5000);
    });
    ASSERT_TRUE(x.WaitForWindow(QStringLiteral("^Confirm$"))) << "no question";
    x.Screenshot(dir.filePath(QStringLiteral("question.png")));
    // Without a window manager the box gets the keyboard only when given it.
    x.Xdo({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Confirm$"), QStringLiteral("windowfocus")});
    x.Xdo({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(x.WaitForWindow(QStringLiteral("^Stripwright - ") + QRegularExpression::escape(layout)))
        << "the copy is not open under its layout's name";
    QElapsedTimer timer;
    timer.start();
    while (recoveryCopies().contains(left) && timer.elapsed() < 10000)
        QThread::msleep(200);
    EXPECT_FALSE(recoveryCopies().contains(left)) << "the old copy is taken over";
    EXPECT_EQ(recoveryCopies().size(), 1) << "the editor keeps the work as its own copy";
}

}  // namespace
}  // namespace sw
