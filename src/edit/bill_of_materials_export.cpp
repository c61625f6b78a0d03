// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/bill_of_materials_export.h"

#include "analysis/bill_of_materials.h"
#include "edit/dialog_service.h"

namespace sw {

FileDialogRequest BillOfMaterialsSaveRequest() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Export Bill of Materials");
    request.filter = QStringLiteral("Text Files (*.txt);;All Files (*)");
    request.proposedFileName = QStringLiteral("bom.txt");
    return request;
}

bool ExportBillOfMaterials(const LayoutDocument& doc, DialogService& dialogs) {
    // The dialog asks before replacing an existing file.
    const std::optional<QString> path = dialogs.SaveFile(BillOfMaterialsSaveRequest());
    if (!path || path->isEmpty())
        return false;
    const WriteResult result = WriteBillOfMaterials(doc, *path);
    if (!result.ok) {
        dialogs.ShowError(result.message);
        return false;
    }
    return true;
}

}  // namespace sw
