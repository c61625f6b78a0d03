// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery_keeper.h"

#include "test_main_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

constexpr char kLayout[] =
    R"(<Layout Type="Stripboard" Width="20" Height="10" Project="p" Credits="c"><Resistor Name="R1" Value="10K" X1="2" Y1="2" X2="6" Y2="2"/></Layout>)";

QString Copies(const QString& folder) {
    return QDir(folder).entryList(QDir::Files).join(QLatin1Char(' '));
}

struct Recovery : ::testing::Test {
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("state/stripwright"));
    ScriptedDialogs dialogs;

    // A copy another editor (process `pid`, no longer running) left behind.
    RecoveryCopy LeaveCopy(qint64 pid, const QString& originalName) {
        LayoutDocument doc;
        EXPECT_TRUE(doc.LoadText(kLayout).ok);
        RecoveryStore other(folder, pid);
        EXPECT_TRUE(other.Write(doc, originalName).ok);
        return {other.OwnPath(), originalName, {}};
    }
};

TEST_F(Recovery, CopiesKeepTheirLayoutAndTheFileItBelongsTo) {
    const QString names[] = {QString(), QStringLiteral("/home/u/amp.swb"),
                             QStringLiteral("/home/u/Schaltplan für Röhren 100%.swb"),
                             QStringLiteral("/tmp/a\nb.swb")};
    qint64 pid = 999990;
    for (const QString& name : names) LeaveCopy(pid++, name);
    const RecoveryStore ours(folder, getpid());
    const std::vector<RecoveryCopy> left = ours.Left();
    ASSERT_EQ(left.size(), std::size(names));
    QStringList found;
    for (const RecoveryCopy& copy : left) {
        found << copy.originalName;
        LayoutDocument doc;
        ASSERT_TRUE(RecoveryStore::Load(copy, doc).ok) << copy.path.toStdString();
        EXPECT_EQ(TextAttr(doc.Root().first_child(), "Name"), QStringLiteral("R1"));
        EXPECT_TRUE(copy.written.isValid());
    }
    for (const QString& name : names) EXPECT_TRUE(found.contains(name)) << name.toStdString();
    // The folder is the user's alone.
    EXPECT_EQ(QFile::permissions(folder) & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST_F(Recovery, OwnAndRunningEditorsCopiesAreNotOffered) {
    LeaveCopy(getpid(), QStringLiteral("/a.swb"));  // this very process: an editor that runs
    const RecoveryStore someoneElse(folder, 1);
    EXPECT_TRUE(someoneElse.Left().empty());
    const RecoveryStore ours(folder, getpid());
    EXPECT_TRUE(ours.Left().empty());
    // A copy written before this process started is not its own: an editor
    // that ended, whose number this process took.
    {
        QFile copy(RecoveryStore(folder, getpid()).OwnPath());
        ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
        ASSERT_TRUE(copy.setFileTime(QDateTime::currentDateTime().addDays(-400), QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(someoneElse.Left().size(), 1u);
    QFile::remove(RecoveryStore(folder, getpid()).OwnPath());
    // Damaged names and a copy without its first line are passed over.
    QFile junk(folder + QStringLiteral("/x-y.recovery"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("no line end");
    junk.close();
    EXPECT_TRUE(someoneElse.Left().empty());
}

TEST_F(Recovery, TheFolderFollowsTheStateHome) {
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/var/state-of-u");
    EXPECT_EQ(RecoveryFolder(), QStringLiteral("/var/state-of-u/stripwright"));
    qputenv("XDG_STATE_HOME", "relative/ignored");
    EXPECT_EQ(RecoveryFolder(), QDir::homePath() + QStringLiteral("/.local/state/stripwright"));
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryFolder(), QDir::homePath() + QStringLiteral("/.local/state/stripwright"));
    if (!saved.isNull()) qputenv("XDG_STATE_HOME", saved);
}

TEST_F(Recovery, ACopyIsKeptWhileModifiedAndGoesOnSaveAndCleanEnd) {
    TMainForm window(test::TestFormOptions(dialogs));
    const QString own = RecoveryStore(folder, getpid()).OwnPath();
    {
        RecoveryKeeper keeper(window, RecoveryStore(folder, getpid()), 50, false);
        EXPECT_FALSE(keeper.WriteCopy());  // nothing unsaved
        window.SetModified(true);
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(own) && clock.elapsed() < 3000) QTest::qWait(10);
        EXPECT_TRUE(QFile::exists(own)) << "no copy after a tick of the timer";

        // Saved: no copy, and no more until the next change.
        const QString saved = dir.filePath(QStringLiteral("saved.swb"));
        ASSERT_TRUE(window.Session().SaveTo(saved).ok);
        EXPECT_FALSE(QFile::exists(own));
        QTest::qWait(150);
        EXPECT_FALSE(QFile::exists(own));

        window.SetModified(true);
        EXPECT_TRUE(keeper.WriteCopy());
        EXPECT_TRUE(QFile::exists(own));
        const std::vector<RecoveryCopy> seen = RecoveryStore(folder, 1).Left();
        EXPECT_TRUE(seen.empty()) << "a running editor's copy is not offered";
    }
    EXPECT_FALSE(QFile::exists(own)) << "a clean end removes the copy";
}

TEST_F(Recovery, ASignalWritesTheCopyFromTheEventLoop) {
    TMainForm window(test::TestFormOptions(dialogs));
    RecoveryKeeper keeper(window, RecoveryStore(folder, getpid()), RecoveryKeeper::kIntervalMs, false);
    const QString own = keeper.Store().OwnPath();
    window.SetModified(true);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGQUIT}) {
        QFile::remove(own);
        ASSERT_EQ(::raise(signal), 0);
        // The handler only wakes the loop: nothing is written until it runs.
        EXPECT_FALSE(QFile::exists(own)) << signal;
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(own) && clock.elapsed() < 3000) QCoreApplication::processEvents();
        EXPECT_TRUE(QFile::exists(own)) << signal;
    }
}

TEST_F(Recovery, TheNextStartOffersEachCopyLeftBehind) {
    const QString original = dir.filePath(QStringLiteral("amp.swb"));
    const RecoveryCopy declined = LeaveCopy(999991, QStringLiteral("/declined.swb"));
    QTest::qWait(20);
    const RecoveryCopy taken = LeaveCopy(999992, original);  // newer: asked first
    TMainForm window(test::TestFormOptions(dialogs));
    RecoveryKeeper keeper(window, RecoveryStore(folder, getpid()), RecoveryKeeper::kIntervalMs, false);
    dialogs.AnswerMessage(MessageAnswer::Yes);
    keeper.OfferRecovery();

    const auto asked = dialogs.CallsOf(ScriptedDialogs::Type::Message);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.startsWith(QStringLiteral("Recover unsaved changes to ") + original +
                                         QStringLiteral(" from ")))
        << asked[0].text.toStdString();
    EXPECT_TRUE(asked[0].text.endsWith(QLatin1Char('?')));
    EXPECT_EQ(window.FileName(), original);
    EXPECT_TRUE(window.Modified());
    EXPECT_EQ(TextAttr(window.Document().Root().first_child(), "Name"), QStringLiteral("R1"));
    EXPECT_FALSE(QFile::exists(taken.path));
    EXPECT_TRUE(QFile::exists(keeper.Store().OwnPath())) << "the work is kept as this editor's copy";
    EXPECT_TRUE(QFile::exists(declined.path)) << "asked about at the next start";

    // No removes it.
    TMainForm second(test::TestFormOptions(dialogs));
    RecoveryKeeper next(second, RecoveryStore(folder, 1), RecoveryKeeper::kIntervalMs, false);
    dialogs.AnswerMessage(MessageAnswer::No);
    next.OfferRecovery();
    EXPECT_FALSE(QFile::exists(declined.path));
    EXPECT_FALSE(second.Modified());
    EXPECT_TRUE(second.FileName().isEmpty());
}

}  // namespace
}  // namespace sw
