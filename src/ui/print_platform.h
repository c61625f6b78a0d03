#pragma once
// The platform's side of printing, for the Qt implementation of the dialog seam.

class QPrinter;
class QWidget;

namespace sw {

// True when the system offers a printer: a CUPS printer, or Qt's PDF file output
// (always there on Linux, so this is practically always true).
bool PlatformHasPrinters();

// The platform's print dialog for `printer`; false when cancelled.
bool ShowPlatformPrintDialog(QPrinter& printer, QWidget* parent);

}  // namespace sw
