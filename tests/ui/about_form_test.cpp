// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_form.h"

#include "model/web_addresses.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

using test::ScriptedDialogs;

TEST(AboutFormTest, ReleaseDateIsTheProgramFilesDate) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stripwright"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 3, 7), QTime(12, 0)),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(ReleasedText(path), QStringLiteral("Released 07.03.2024"));
    EXPECT_EQ(ReleasedText(dir.filePath(QStringLiteral("missing"))),
              QStringLiteral("Released 30.12.1899"));

    ScriptedDialogs dialogs;
    TAboutForm about(dialogs, path);
    EXPECT_EQ(about.DateLabel()->text(), QStringLiteral("Released 07.03.2024"));
    TAboutForm running(dialogs);
    EXPECT_TRUE(running.DateLabel()->text().contains(
        QRegularExpression(QStringLiteral("^Released \\d\\d\\.\\d\\d\\.\\d{4}$"))));
}

TEST(AboutFormTest, BorderlessWhiteBoxWithItsTexts) {
    ScriptedDialogs dialogs;
    TAboutForm about(dialogs);
    EXPECT_EQ(about.size(), QSize(321, 201));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    for (const char* text : {"Programmed by", "Web Page", "eMail"})
        EXPECT_TRUE(texts.contains(QLatin1String(text))) << text;
    EXPECT_EQ(about.OkButton()->text(), QStringLiteral("OK"));
    // Every child stays inside the box.
    for (QWidget* child : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(about.rect().contains(child->geometry())) << child->metaObject()->className();
    // The picture is keyed: white shows where it is magenta.
    const QImage shown = about.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(150, 190)), QColor(Qt::white));
    EXPECT_NE(shown.pixel(150, 190), qRgb(255, 0, 255));
}

void Send(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(AboutFormTest, LinksOpenTheirPagesAndPlainLabelsDragTheBox) {
    ScriptedDialogs dialogs;
    TAboutForm about(dialogs);
    about.move(100, 100);
    about.show();

    Send(about.WebLabel(), QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
    Send(about.WebLabel(), QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
    Send(about.MailLabel(), QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton);
    Send(about.MailLabel(), QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
    const auto opens = dialogs.CallsOf(ScriptedDialogs::Type::ShellOpen);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].text, web::HomePage());
    EXPECT_TRUE(opens[1].text.startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(opens[1].text.endsWith(QStringLiteral("?subject=Stripwright")));
    EXPECT_EQ(about.pos(), QPoint(100, 100));

    // Pressing on the author's name and moving drags the whole box.
    QLabel* author = about.AuthorLabel();
    const QPoint start = author->mapToGlobal(QPoint(3, 3));
    Send(author, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(start + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(author, &move);
    Send(author, QEvent::MouseButtonRelease, QPoint(33, 23), Qt::NoButton);
    EXPECT_EQ(about.pos(), QPoint(130, 120));
    EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Type::ShellOpen).size(), 2u);

    about.OkButton()->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutFormTest, ThanksLineScrollsAndStartsAgain) {
    ScriptedDialogs dialogs;
    TAboutForm about(dialogs);
    ThanksTicker* thanks = about.Thanks();
    EXPECT_FALSE(thanks->Text().isEmpty());
    const int passes = thanks->width() + thanks->fontMetrics().horizontalAdvance(thanks->Text());
    for (int i = 0; i < passes; ++i) thanks->Step();
    EXPECT_EQ(thanks->Offset(), passes);
    thanks->Step();
    EXPECT_EQ(thanks->Offset(), 0);
}

}  // namespace
}  // namespace sw
