// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tutorial_form.h"

#include "scripted_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

bool Write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

TEST(TutorialFormTest, FindsThePagesBesideTheProgramOrInstalled) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    EXPECT_TRUE(FindTutorialsFolder(bin).isEmpty());
    ASSERT_TRUE(Write(root.filePath(QStringLiteral("share/stripwright/Tutorials/index.html")), "<p>installed</p>"));
    EXPECT_EQ(FindTutorialsFolder(bin), QDir::cleanPath(root.filePath(QStringLiteral("share/stripwright/Tutorials"))));
    ASSERT_TRUE(Write(root.filePath(QStringLiteral("bin/Tutorials/index.html")), "<p>beside</p>"));
    EXPECT_EQ(FindTutorialsFolder(bin), QDir::cleanPath(root.filePath(QStringLiteral("bin/Tutorials"))));
}

// The pages shipped in the build tree: the window opens the index, and every
// local link of every page leads to a page that exists and opens in the window.
TEST(TutorialFormTest, ShowsTheShippedPagesAndFollowsTheirLinks) {
    ScriptedDialogs dialogs;
    TTutorialForm form(dialogs);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tutorials"));
    EXPECT_EQ(form.size(), QSize(392, 446));
    const QString index = form.PageShown();
    ASSERT_TRUE(index.endsWith(QStringLiteral("Tutorials/index.html"))) << index.toStdString();
    EXPECT_TRUE(form.Browser()->toPlainText().contains(QStringLiteral("Stripwright tutorials")));

    const QDir folder = QFileInfo(index).dir();
    const QStringList pages = folder.entryList({QStringLiteral("*.html")});
    EXPECT_GE(pages.size(), 6);
    const QRegularExpression href(QStringLiteral("href=\"([^\"#:]+)\""));
    int links = 0;
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            form.Browser()->setSource(QUrl::fromLocalFile(folder.filePath(page)));
            emit form.Browser()->anchorClicked(QUrl(target));
            EXPECT_EQ(form.PageShown(), folder.filePath(target)) << page.toStdString() << " -> " << target.toStdString();
            ++links;
        }
    }
    EXPECT_GT(links, 10);
    EXPECT_TRUE(dialogs.Calls().empty());
}

TEST(TutorialFormTest, WebLinksGoToTheBrowserAndMissingPagesAreReported) {
    QTemporaryDir root;
    ASSERT_TRUE(Write(root.filePath(QStringLiteral("Tutorials/index.html")), "<a href=\"gone.html\">x</a>"));
    ScriptedDialogs dialogs;
    dialogs.AutoAcknowledge();
    TTutorialForm form(dialogs, root.path());
    emit form.Browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/parts")));
    emit form.Browser()->anchorClicked(QUrl(QStringLiteral("gone.html")));
    ASSERT_EQ(dialogs.Calls().size(), 2u);
    EXPECT_EQ(dialogs.Calls()[0].type, ScriptedDialogs::Type::ShellOpen);
    EXPECT_EQ(dialogs.Calls()[0].text, QStringLiteral("https://example.org/parts"));
    EXPECT_EQ(dialogs.Calls()[1].kind, MessageKind::Error);
    EXPECT_TRUE(form.PageShown().endsWith(QStringLiteral("index.html")));
}

TEST(TutorialFormTest, SaysWhereItLookedWhenThePagesAreMissing) {
    QTemporaryDir root;
    ScriptedDialogs dialogs;
    TTutorialForm form(dialogs, root.path());
    EXPECT_TRUE(form.PageShown().isEmpty());
    EXPECT_TRUE(form.Browser()->toPlainText().contains(QStringLiteral("not found")));
    EXPECT_TRUE(form.Browser()->toPlainText().contains(QDir::cleanPath(root.filePath(QStringLiteral("Tutorials")))));
}

}  // namespace
}  // namespace sw
