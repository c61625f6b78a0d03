// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_check.h"

#include "scripted_dialogs.h"
#include "ui/update_feed.h"
#include "ui/update_form.h"
#include "ui/wait_form.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

// A one-page HTTP server on 127.0.0.1 that answers every request with the same
// status and body, and remembers the paths asked for.
// A feed whose release numbers count from the program's own: "{0}" is ours,
// "{-1}" the release before it, "{+2}" the second after it.
QByteArray Feed(const char* text) {
    QString feed = QString::fromUtf8(text);
    for (int step = -2; step <= 2; ++step)
        feed.replace(QStringLiteral("{%1%2}").arg(step > 0 ? QStringLiteral("+") : QString()).arg(step),
                     QString::number(OurRelease() + step));
    return feed.toUtf8();
}

class FeedServer {
public:
    FeedServer(int status, QByteArray body) : m_status(status), m_body(std::move(body)) {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { Answer(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket,
                                 &QObject::deleteLater);
            }
        });
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
    }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    const QStringList& Paths() const { return m_paths; }

private:
    void Answer(QTcpSocket* socket) {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n")) return;
        m_paths << QString::fromLatin1(request.split(' ').value(1));
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(m_status) +
                           (m_status == 200 ? " OK" : " Server Error") +
                           "\r\nContent-Type: text/xml\r\nConnection: close\r\nContent-Length: " +
                           QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body;
        socket->write(reply);
        socket->disconnectFromHost();
        m_pending.remove(socket);
    }

    QTcpServer m_server;
    int m_status;
    QByteArray m_body;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QStringList m_paths;
};

// A server on 127.0.0.1 that answers each request by a behaviour of its own:
// without end, too much, too slowly, malformed or by redirecting.
class HostileServer {
public:
    using Answer = std::function<void(QTcpSocket*, const QByteArray& path)>;
    explicit HostileServer(Answer answer) : m_answer(std::move(answer)) {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    QByteArray& request = m_pending[socket];
                    request += socket->readAll();
                    if (!request.contains("\r\n\r\n")) return;
                    const QByteArray path = request.split(' ').value(1);
                    m_pending.remove(socket);
                    m_answer(socket, path);
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
    }
    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    QString Feed() const { return Base() + QStringLiteral("/swb/layouts/history.xml"); }

private:
    QTcpServer m_server;
    Answer m_answer;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

QByteArray Head(const char* status, const QByteArray& extra = {}) {
    return QByteArray("HTTP/1.1 ") + status + "\r\nContent-Type: text/xml\r\n" + extra + "\r\n";
}

// Writes another chunk whenever the last one has gone, for as long as the
// client reads.
void SendForEver(QTcpSocket* socket, const QByteArray& head) {
    socket->write(head);
    const QByteArray chunk(64 * 1024, 'x');
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket, chunk] {
        if (socket->bytesToWrite() < chunk.size()) socket->write(chunk);
    });
    socket->write(chunk);
}

// One byte every `intervalMs`, of a body announced as much longer.
void SendSlowly(QTcpSocket* socket, int intervalMs) {
    socket->write(Head("200 OK", "Content-Length: 100000\r\n") + "<history version=\"25\" ");
    auto* timer = new QTimer(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write(" "); });
    timer->start(intervalMs);
}

const QByteArray kGoodFeed = R"(<history version="25" date="today"><entry version="25" text="New"/></history>)";

struct HostileCase {
    const char* name;
    HostileServer::Answer answer;
    FetchFailure failure;
    int deadlineMs;
    int mostMs;  // the check must have ended by then
};

TEST(UpdateFetch, HostileServersEndInTheirBoundAndHoldNoMoreThanIt) {
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    const QByteArray huge(2 * kMaxUpdateFeedBytes, 'x');
    const HostileCase cases[] = {
        {"endless body, no length",
         [](QTcpSocket* s, const QByteArray&) { SendForEver(s, Head("200 OK", "Connection: close\r\n")); },
         FetchFailure::TooLarge, 10000, 5000},
        {"endless chunked body",
         [](QTcpSocket* s, const QByteArray&) {
             s->write(Head("200 OK", "Transfer-Encoding: chunked\r\n"));
             const QByteArray chunk = "10000\r\n" + QByteArray(0x10000, 'y') + "\r\n";
             QObject::connect(s, &QTcpSocket::bytesWritten, s, [s, chunk] {
                 if (s->bytesToWrite() < chunk.size()) s->write(chunk);
             });
             s->write(chunk);
         },
         FetchFailure::TooLarge, 10000, 5000},
        {"huge body announced by its length",
         [huge](QTcpSocket* s, const QByteArray&) {
             s->write(Head("200 OK", "Content-Length: " + QByteArray::number(huge.size()) + "\r\n") + huge);
         },
         FetchFailure::TooLarge, 10000, 5000},
        {"length of a terabyte",
         [](QTcpSocket* s, const QByteArray&) {
             SendForEver(s, Head("200 OK", "Content-Length: 1099511627776\r\n"));
         },
         FetchFailure::TooLarge, 10000, 5000},
        {"one byte every 50 ms",
         [](QTcpSocket* s, const QByteArray&) { SendSlowly(s, 50); },
         FetchFailure::Late, 700, 2500},
        {"headers that never end",
         [](QTcpSocket* s, const QByteArray&) {
             s->write("HTTP/1.1 200 OK\r\n");
             auto* timer = new QTimer(s);
             QObject::connect(timer, &QTimer::timeout, s, [s] { s->write("X-A: b\r\n"); });
             timer->start(20);
         },
         FetchFailure::Late, 700, 2500},
        {"malformed status line",
         [](QTcpSocket* s, const QByteArray&) {
             s->write("SPLAT 99 what\r\n\r\n<history version=\"24\"/>");
             s->disconnectFromHost();
         },
         FetchFailure::Refused, 10000, 5000},
        {"redirect to itself",
         [](QTcpSocket* s, const QByteArray& path) {
             s->write(Head("302 Found", "Location: " + path + "\r\nContent-Length: 0\r\n"));
         },
         FetchFailure::Refused, 10000, 5000},
        {"redirects without end to new places",
         [](QTcpSocket* s, const QByteArray& path) {
             s->write(Head("302 Found", "Location: " + path + "x\r\nContent-Length: 0\r\n"));
         },
         FetchFailure::Refused, 10000, 5000},
    };
    for (const HostileCase& c : cases) {
        HostileServer server(c.answer);
        // The windows stay live: the event loop runs while the check waits.
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(50);
        QElapsedTimer clock;
        clock.start();
        const FetchedText fetched = FetchText(QUrl(server.Feed()), c.deadlineMs);
        const qint64 took = clock.elapsed();
        EXPECT_GE(ticks, int(took / 50) / 3) << c.name;
        EXPECT_EQ(fetched.failure, c.failure) << c.name;
        EXPECT_TRUE(fetched.body.isEmpty()) << c.name;
        EXPECT_LT(took, c.mostMs) << c.name;
        if (c.failure == FetchFailure::Late) EXPECT_GE(took, c.deadlineMs - 50) << c.name;
    }
}

TEST(UpdateFetch, ARedirectToTheFeedAndAFeedOfExactlyTheBoundAreRead) {
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    HostileServer server([](QTcpSocket* s, const QByteArray& path) {
        if (path.endsWith("/moved")) {
            s->write(Head("200 OK", "Content-Length: " + QByteArray::number(kGoodFeed.size()) + "\r\n") +
                     kGoodFeed);
        } else {
            s->write(Head("301 Moved Permanently", "Location: /moved\r\nContent-Length: 0\r\n"));
        }
    });
    const FetchedText moved = FetchText(QUrl(server.Feed()), 5000);
    EXPECT_EQ(moved.failure, FetchFailure::None);
    EXPECT_EQ(moved.body, kGoodFeed);

    const QByteArray full(kMaxUpdateFeedBytes, 'z');
    for (const qint64 size : {kMaxUpdateFeedBytes, kMaxUpdateFeedBytes + 1}) {
        HostileServer sized([&](QTcpSocket* s, const QByteArray&) {
            s->write(Head("200 OK", "Connection: close\r\n") + QByteArray(size, 'z'));
            s->disconnectFromHost();
        });
        const FetchedText fetched = FetchText(QUrl(sized.Feed()), 5000);
        if (size == kMaxUpdateFeedBytes) {
            EXPECT_EQ(fetched.failure, FetchFailure::None);
            EXPECT_EQ(fetched.body, full);
        } else {
            EXPECT_EQ(fetched.failure, FetchFailure::TooLarge);
        }
    }
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override {
        // Talk to the local server directly whatever proxy the machine has.
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        dialogs.AutoAcknowledge();
    }
    void TearDown() override { qunsetenv("STRIPWRIGHT_UPDATE_URL"); }

    UpdateOutcome Check(const QString& base) {
        qputenv("STRIPWRIGHT_UPDATE_URL", base.toUtf8());
        // The wait window must be up while the request waits.
        bool waitShownDuringFetch = false;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] { waitShownDuringFetch |= wait.isVisible(); });
        probe.start(0);
        const UpdateOutcome outcome = CheckForUpdate(dialogs, wait, form, 5000);
        EXPECT_TRUE(waitShownDuringFetch);
        EXPECT_FALSE(wait.isVisible());
        return outcome;
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& c : dialogs.CallsOf(ScriptedDialogs::Type::Message)) texts << c.text;
        return texts;
    }

    ScriptedDialogs dialogs;
    TWaitForm wait;
    TUpdateForm form{dialogs};
};

TEST_F(UpdateCheck, OurOwnReleaseIsUpToDateWhateverTheChildrenSay) {
    FeedServer server(200, Feed(R"(<history version="{0}" date="1.1.2020">
        <entry version="{+1}" text="Never shown"/></history>)"));
    EXPECT_EQ(Check(server.Base()), UpdateOutcome::UpToDate);
    EXPECT_EQ(server.Paths(), QStringList{QStringLiteral("/swb/layouts/history.xml")});
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Your software is up to date!")});
    EXPECT_EQ(dialogs.Calls().front().kind, MessageKind::Information);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(UpdateCheck, AnOlderFeedOpensTheWindowWithAnEmptyList) {
    FeedServer server(200, Feed(R"(<?xml version="1.0"?><history version="{-1}" date="5 May 2019">
        <entry version="{-2}" text="Old"/><entry version="{0}" text="Ours"/></history>)"));
    EXPECT_EQ(Check(server.Base() + QStringLiteral("/")), UpdateOutcome::NewRelease);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.DateLabel()->text(), QStringLiteral("Release date: 5 May 2019"));
    EXPECT_TRUE(form.Lines().isEmpty());
}

TEST_F(UpdateCheck, NewerChangesAreListedSorted) {
    FeedServer server(200, Feed(R"(<history version="{+2}" date="24.12.2024">
        <entry version="{+2}" text="Zoom to fit"/>
        <!-- a comment between entries -->
        <entry version="{+1}" text="Arrow keys move parts"/>
        <entry version="{0}" text="Already in ours"/>
        <entry version="{+2}" text="Better PnP output"/></history>)"));
    EXPECT_EQ(Check(server.Base()), UpdateOutcome::NewRelease);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(form.DateLabel()->text(), QStringLiteral("Release date: 24.12.2024"));
    EXPECT_EQ(form.Lines(), QStringList({"* Arrow keys move parts", "* Better PnP output",
                                         "* Zoom to fit"}));

    form.DownloadButton()->click();
    const auto opens = dialogs.CallsOf(ScriptedDialogs::Type::ShellOpen);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].text, server.Base() + QStringLiteral("/swb/layouts/swb_layout.exe"));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(UpdateCheck, FailuresShowTheConnectionErrorOnly) {
    FeedServer garbage(200, "this is not a feed");
    FeedServer badVersion(200, R"(<history version="next" date="x"/>)");
    FeedServer badChild(200, Feed(R"(<history version="{+1}" date="x"><entry text="no number"/></history>)"));
    FeedServer serverError(500, "<history version=\"24\"/>");
    FeedServer notFound(404, "");
    // A port nobody listens on refuses the connection.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    const QString bases[] = {garbage.Base(), badVersion.Base(), badChild.Base(),
                             serverError.Base(), notFound.Base(),
                             QStringLiteral("http://127.0.0.1:%1").arg(closedPort)};
    int expected = 0;
    for (const QString& base : bases) {
        EXPECT_EQ(Check(base), UpdateOutcome::Failed) << base.toStdString();
        ++expected;
        ASSERT_EQ(Messages().size(), expected) << base.toStdString();
        EXPECT_EQ(Messages().back(),
                  QStringLiteral("Could not connect to update server! Check your internet "
                                 "connection and try again."));
        EXPECT_EQ(dialogs.Calls().back().kind, MessageKind::Error);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(UpdateCheck, AServerThatNeverAnswersTimesOut) {
    QTcpServer silent;  // accepts connections, never replies
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    qputenv("STRIPWRIGHT_UPDATE_URL",
            QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort()).toUtf8());
    EXPECT_EQ(CheckForUpdate(dialogs, wait, form, 300), UpdateOutcome::Failed);
    EXPECT_FALSE(wait.isVisible());
    EXPECT_EQ(Messages().size(), 1);
}

TEST_F(UpdateCheck, AHugeFeedShowsBoundedFieldsInAWindowThatFitsTheScreen) {
    const QString hugeDate(2000000, QLatin1Char('9'));
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << QStringLiteral("* ") + QString(i % 7 == 0 ? 5000 : 20, QChar(u'a' + i % 26));
    lines << QStringLiteral("* two\nlines");
    form.ShowRelease(hugeDate, lines);
    ASSERT_TRUE(form.isVisible());
    QApplication::processEvents();

    EXPECT_LE(form.DateLabel()->text().size(), 20 + kShownDateCharacters);
    EXPECT_TRUE(form.DateLabel()->text().endsWith(QStringLiteral("...")));
    const QStringList shown = form.Lines();
    EXPECT_EQ(shown.size(), kShownLines);
    for (const QString& line : shown) EXPECT_LE(line.size(), kShownLineCharacters + 3);

    const QRect screen = form.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(form.frameGeometry())) << form.frameGeometry().width();
    const QRect close(form.CloseButton()->mapTo(&form, QPoint(0, 0)), form.CloseButton()->size());
    EXPECT_TRUE(form.rect().contains(close));
    EXPECT_TRUE(form.CloseButton()->isVisible());

    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(UpdateCheck, CloseButtonClosesTheWindow) {
    form.ShowRelease(QStringLiteral("today"), {QStringLiteral("* b"), QStringLiteral("* a")});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Update"));
    EXPECT_EQ(form.Lines(), QStringList({"* a", "* b"}));
    form.CloseButton()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Type::ShellOpen).empty());
}

}  // namespace
}  // namespace sw
