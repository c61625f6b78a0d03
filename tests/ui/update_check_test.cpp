// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/update_check.h"

#include "scripted_dialogs.h"
#include "ui/update_form.h"
#include "ui/wait_form.h"

#include <QLabel>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

// A one-page HTTP server on 127.0.0.1 that answers every request with the same
// status and body, and remembers the paths asked for.
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
    FeedServer server(200, R"(<history version="24" date="1.1.2020">
        <entry version="25" text="Never shown"/></history>)");
    EXPECT_EQ(Check(server.Base()), UpdateOutcome::UpToDate);
    EXPECT_EQ(server.Paths(), QStringList{QStringLiteral("/swb/layouts/history.xml")});
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Your software is up to date!")});
    EXPECT_EQ(dialogs.Calls().front().kind, MessageKind::Information);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(UpdateCheck, AnOlderFeedOpensTheWindowWithAnEmptyList) {
    FeedServer server(200, R"(<?xml version="1.0"?><history version="23" date="5 May 2019">
        <entry version="22" text="Old"/><entry version="24" text="Ours"/></history>)");
    EXPECT_EQ(Check(server.Base() + QStringLiteral("/")), UpdateOutcome::NewRelease);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.DateLabel()->text(), QStringLiteral("Release date: 5 May 2019"));
    EXPECT_TRUE(form.Lines().isEmpty());
}

TEST_F(UpdateCheck, NewerChangesAreListedSorted) {
    FeedServer server(200, R"(<history version="26" date="24.12.2024">
        <entry version="26" text="Zoom to fit"/>
        <!-- a comment between entries -->
        <entry version="25" text="Arrow keys move parts"/>
        <entry version="24" text="Already in ours"/>
        <entry version="26" text="Better PnP output"/></history>)");
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
    FeedServer badChild(200, R"(<history version="25" date="x"><entry text="no number"/></history>)");
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
