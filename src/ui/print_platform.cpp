#include "ui/print_platform.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace sw {

bool PlatformHasPrinters() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        return true;
    // Qt's print dialog offers printing to a PDF file on platforms whose
    // printing goes through CUPS (Linux and the other Unix desktops).
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return true;
#else
    return false;
#endif
}

bool ShowPlatformPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace sw
