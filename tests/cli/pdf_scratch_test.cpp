// SPDX-License-Identifier: GPL-3.0-or-later
// The scratch PDF a print goes through has no name while the printer writes
// it, so a command killed then (even by SIGKILL) leaves nothing beside its target.

#include "cli/pdf_output.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(PdfScratch, HasNoNameWhileItIsPrintedAndNoneIsLeft) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("page.pdf"));
    QStringList seenWhilePrinting;
    const WriteResult result = PrintToPdf(target, QPageSize::A4, [&](QPrinter& printer) {
        QPainter painter(&printer);
        painter.drawText(100, 100, QStringLiteral("Stripwright"));
        painter.end();
        seenWhilePrinting = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        return WriteResult{true, {}};
    });
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_TRUE(seenWhilePrinting.isEmpty()) << seenWhilePrinting.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("page.pdf")});
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
}

}  // namespace
}  // namespace sw
