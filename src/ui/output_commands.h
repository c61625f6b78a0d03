// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's output commands: Render Image, Print, Render PnP, Print PnP and
// Export Gerber.
// Every question and dialog goes through the dialog seam, so the main window's
// handlers only call these and the commands run in tests without a screen.

#include "render/export/print_layout.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace sw {

class DialogService;
class LayoutDocument;
struct RenderCaches;
class TWaitForm;

struct OutputCommandContext {
    const LayoutDocument& doc;
    DialogService& dialogs;
    // Clears the session's selection (so nothing is drawn as selected); may be empty.
    std::function<void()> clearSelection;
    // Shown while the picture is rendered and written; may be null.
    TWaitForm* waitForm = nullptr;
    // What the rendered pictures keep from one to the next; null: nothing.
    RenderCaches* caches = nullptr;
    // The drill Export Gerber asked for last in this run (units of 10 nm),
    // offered again next time; null: every export offers the default.
    std::int64_t* drillUnits = nullptr;
    // The size Print was last asked for in this run, offered again next
    // time; null: every Print offers the page-filling print first.
    PrintSize* printSize = nullptr;
};

// The program's own texts.
inline const QString kRenderCompleteQuestion =
    QStringLiteral("Render complete! Would you like to open image file now?");
inline const QString kNoPrintersMessage = QStringLiteral("No printers detected!");
inline const QString kRenderImageFilter =
    QStringLiteral("GIF Images (*.gif);;JPEG Images (*.jpg);;Bitmaps (*.bmp)");
inline const QString kRenderPnpFilter = QStringLiteral("GIF Images (*.gif)");
inline const QString kExportCompleteMessage = QStringLiteral("Export complete!");
inline const QString kDrillPrompt = QStringLiteral("Drill diameter of every pad, in millimetres:");

// Render Image: the picture save dialog ("render.gif"), the wait window while
// the picture is rendered and written in the format its name asks for, then
// the offer to open it.
void RenderImageCommand(const OutputCommandContext& ctx);
// Print: the rendered picture on the printer chosen in the print dialog, at
// the size chosen there: as large as the page allows, or at actual size.
void PrintCommand(const OutputCommandContext& ctx);
// Render PnP: the toner-transfer picture saved as GIF ("PnP.gif"), then the
// offer to open it.
void RenderPnpCommand(const OutputCommandContext& ctx);
// Print PnP: the toner-transfer picture printed at true scale.
void PrintPnpCommand(const OutputCommandContext& ctx);
// Export Gerber: a folder dialog (starting beside the layout's file) and the
// drill diameter (0.8 mm at first, then the last one given), then the
// copper, outline and drill files named after `layoutFileName` (empty: the
// layout is not saved yet, the files are called "layout"), then "Export
// complete!" with the list of files written.
void ExportGerberCommand(const OutputCommandContext& ctx, const QString& layoutFileName);

}  // namespace sw
