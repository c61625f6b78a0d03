// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_form_output.h"

#include "edit/bill_of_materials_export.h"
#include "render/export/gerber_files.h"
#include "render/render_caches.h"
#include "ui/explorer.h"
#include "ui/main_form.h"
#include "ui/output_commands.h"
#include "ui/wait_form.h"

#include <memory>

namespace sw {

void ConnectOutputCommands(TMainForm& form) {
    // One wait window for the render commands, alive as long as their items.
    auto wait = std::make_shared<TWaitForm>(&form);
    // The exported pictures keep their own bodies and bands, apart from the screen's.
    auto caches = std::make_shared<RenderCaches>();
    // The drill Export Gerber was last given, for the rest of the run.
    auto drill = std::make_shared<std::int64_t>(kDefaultDrillUnits);
    // And the size Print was last asked for.
    auto printSize = std::make_shared<PrintSize>(PrintSize::FillPage);
    const auto context = [&form, wait, caches, drill, printSize] {
        return OutputCommandContext{form.Document(), form.Dialogs(),
                                    [&form] { form.Session().ClearSelection(); }, wait.get(),
                                    caches.get(), drill.get(), printSize.get()};
    };
    // The pictures and the printed pages.
    form.ConnectCommand(Command::RenderImage, [context] { RenderImageCommand(context()); });
    form.ConnectCommand(Command::Print, [context] { PrintCommand(context()); });
    form.ConnectCommand(Command::RenderPnp, [context] { RenderPnpCommand(context()); });
    form.ConnectCommand(Command::PrintPnp, [context] { PrintPnpCommand(context()); });
    // The save dialog, then the list.
    form.ConnectCommand(Command::ExportBom,
                        [&form] { ExportBillOfMaterials(form.Document(), form.Dialogs()); });
    form.ConnectCommand(Command::ExportGerber,
                        [context, &form] { ExportGerberCommand(context(), form.FileName()); });
}

}  // namespace sw
