// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's "Export Bill of Materials" command: asks for the file through the
// dialog seam and writes the list; a failed write is shown in an error box.

#include <QString>

namespace sw {

class DialogService;
class LayoutDocument;
struct FileDialogRequest;

// The save dialog the command shows: text files, "bom.txt" proposed.
FileDialogRequest BillOfMaterialsSaveRequest();

// Runs the command. True when a file was written; false when the dialog was
// cancelled or writing failed (the error box has then been shown).
bool ExportBillOfMaterials(const LayoutDocument& doc, DialogService& dialogs);

}  // namespace sw
