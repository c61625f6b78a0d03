// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/web_commands.h"

#include "model/web_addresses.h"
#include "scripted_dialogs.h"
#include "ui/qt_dialog_service.h"

#include <QSet>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

QStringList Opened(const ScriptedDialogs& dialogs) {
    QStringList targets;
    for (const auto& c : dialogs.CallsOf(ScriptedDialogs::Type::ShellOpen)) targets << c.text;
    return targets;
}

TEST(WebCommandsTest, PagesOpenOnTheirHosts) {
    ScriptedDialogs dialogs;
    OpenLayoutsOnline(dialogs);
    SubmitLayout(dialogs);
    OpenForum(dialogs);
    const QStringList opened = Opened(dialogs);
    ASSERT_EQ(opened.size(), 3);
    const QUrl layouts(opened[0]);
    EXPECT_EQ(layouts.path(), QStringLiteral("/swb/index.php"));
    EXPECT_EQ(QUrlQuery(layouts).queryItemValue(QStringLiteral("project")), QStringLiteral("layouts"));
    EXPECT_EQ(layouts.host(), QUrl(web::HomePage()).host());
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_TRUE(QUrl(opened[2]).isValid());
    EXPECT_NE(QUrl(opened[2]).host(), layouts.host());
    EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Type::Message).size(), 0u);
}

// What the desktop is asked to open: addresses with a scheme as they are (the
// support mail with its subject), anything else as a local file.
TEST(WebCommandsTest, ShellTargetsBecomeUrlsOfTheirScheme) {
    struct Case { QString target; QString scheme; QString path; };
    const Case cases[] = {
        {web::SupportMailTo(), "mailto", "support@stripwright.org"},
        {web::HomePage(), "http", "/swb/"},
        {"/usr/share/stripwright/Tutorials/index.html", "file",
         "/usr/share/stripwright/Tutorials/index.html"},
        {"/tmp/a b#c.html", "file", "/tmp/a b#c.html"},
        {"Tutorials/index.html", "file", "Tutorials/index.html"},
    };
    for (const Case& c : cases) {
        const QUrl url = ShellTargetUrl(c.target);
        EXPECT_EQ(url.scheme(), c.scheme) << c.target.toStdString();
        EXPECT_EQ(url.scheme() == "file" ? url.toLocalFile() : url.path(), c.path)
            << c.target.toStdString();
    }
    EXPECT_EQ(QUrlQuery(ShellTargetUrl(web::SupportMailTo())).queryItemValue("subject"),
              QStringLiteral("Stripwright"));
}

TEST(WebCommandsTest, DonationAsksFirst) {
    ScriptedDialogs dialogs;
    dialogs.AnswerMessage(MessageAnswer::Cancel).AnswerMessage(MessageAnswer::Ok);
    OpenDonationPage(dialogs);
    EXPECT_TRUE(Opened(dialogs).isEmpty());
    OpenDonationPage(dialogs);
    EXPECT_EQ(Opened(dialogs), QStringList{web::Donation()});

    const auto asked = dialogs.CallsOf(ScriptedDialogs::Type::Message);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, MessageKind::Information);
    EXPECT_EQ(asked[0].buttons, MessageButtons::OkCancel);
    for (const char* part : {"donation", "credit cards", "cheques", "money orders",
                             "payment service", "10 euros", "another amount", "parts"})
        EXPECT_TRUE(asked[0].text.contains(QLatin1String(part), Qt::CaseInsensitive)) << part;
}

TEST(WebCommandsTest, EachBannerHasItsOwnPage) {
    ScriptedDialogs dialogs;
    for (int banner = 0; banner < 4; ++banner) OpenBanner(dialogs, banner);
    const QStringList opened = Opened(dialogs);
    ASSERT_EQ(opened.size(), 4);
    EXPECT_EQ(QSet<QString>(opened.begin(), opened.end()).size(), 4);
}

}  // namespace
}  // namespace sw
