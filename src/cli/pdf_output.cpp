// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf_output.h"

#include "model/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

namespace sw {

std::optional<QPageSize::PageSizeId> TakePageOption(QStringList& args, QTextStream& err) {
    const int at = args.indexOf(QStringLiteral("--page"));
    if (at < 0)
        return QPageSize::A4;
    if (at + 1 >= args.size()) {
        err << "stripwright: --page needs a page size: a4 or letter\n";
        return std::nullopt;
    }
    const QString name = args.at(at + 1).toLower();
    args.remove(at, 2);
    if (name == QLatin1String("a4"))
        return QPageSize::A4;
    if (name == QLatin1String("letter"))
        return QPageSize::Letter;
    err << "stripwright: unknown page size \"" << name << "\": use a4 or letter\n";
    return std::nullopt;
}

bool CheckPdfName(const QString& path, QTextStream& err) {
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return true;
    err << "stripwright: the printed page is written as a PDF file; name it OUT.pdf (got \"" << path
        << "\")\n";
    return false;
}

void SetUpPdfPrinter(QPrinter& printer, const QString& path, QPageSize::PageSizeId page) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(page));
}

WriteResult PrintToPdf(const QString& path, QPageSize::PageSizeId page,
                       const std::function<WriteResult(QPrinter&)>& print) {
    WriteResult result;
    // QPrinter writes straight to a named file, so it prints into a scratch file
    // beside the target (the temporary folder may be elsewhere, full or closed)
    // that is then written into place atomically.
    QTemporaryFile temporary(ScratchFilePattern(path, QStringLiteral(".pdf")));
    if (!temporary.open()) {
        result.message = QStringLiteral("Cannot write \"%1\": %2").arg(path, temporary.errorString());
        return result;
    }
    // The scratch file loses its name at once and the printer writes it through
    // the open descriptor, so a command killed while it prints (even by
    // SIGKILL) leaves nothing behind. Without /proc the name stays until the end.
    QString printed = temporary.fileName();
    const QString byDescriptor = QStringLiteral("/proc/self/fd/%1").arg(temporary.handle());
    if (QFileInfo::exists(byDescriptor) && QFile::remove(temporary.fileName()))
        printed = byDescriptor;
    {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, printed, page);
        result = print(printer);
    }
    if (!result.ok)
        return result;

    QByteArray bytes;
    if (temporary.seek(0))
        bytes = temporary.readAll();
    // The printer does not report a write that failed (a full disk under the
    // temporary folder): a PDF cut short lacks its end-of-file marker and must
    // not replace the file at `path`.
    if (bytes.isEmpty() || !bytes.trimmed().endsWith("%%EOF")) {
        result.ok = false;
        result.message =
            QStringLiteral("Cannot write \"%1\": %2")
                .arg(path, bytes.isEmpty()
                               ? QStringLiteral("the printer wrote no PDF")
                               : QStringLiteral("the PDF was cut short while printing (is the disk "
                                                "full?)"));
        return result;
    }
    return WriteFileAtomically(path, bytes);
}

}  // namespace sw
