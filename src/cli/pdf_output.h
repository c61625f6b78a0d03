// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing to a PDF file from the command line, through the same print path as
// the editor's Print commands: a QPrinter in PDF mode, A4 or Letter, at 1200
// printer pixels per inch (the printer made with QPrinter::HighResolution).

#include "render/export/image_file.h"

#include <QPageSize>
#include <QTextStream>
#include <functional>
#include <optional>

class QPrinter;

namespace sw {

// "--page a4" or "--page letter" (any case) taken out of `args`; A4 when absent.
// Nothing (with the reason in `err`) for another page name or a missing one.
std::optional<QPageSize::PageSizeId> TakePageOption(QStringList& args, QTextStream& err);

// True when `path` ends in ".pdf" in any case; otherwise says so in `err`.
bool CheckPdfName(const QString& path, QTextStream& err);

// Points `printer` at a PDF file of the given page size.
void SetUpPdfPrinter(QPrinter& printer, const QString& path, QPageSize::PageSizeId page);

// Runs `print` on a printer that writes a PDF file of the given page size, then
// moves the finished file to `path`, so a failed print leaves no partial file.
WriteResult PrintToPdf(const QString& path, QPageSize::PageSizeId page,
                       const std::function<WriteResult(QPrinter&)>& print);

}  // namespace sw
