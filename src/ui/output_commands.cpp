// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output_commands.h"

#include "model/atomic_file.h"
#include "model/layout_document.h"
#include "render/export/copper_output.h"
#include "render/export/gerber_files.h"
#include "render/export/gerber_output.h"
#include "render/export/layout_output.h"
#include "edit/dialog_service.h"
#include "ui/wait_form.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <optional>

namespace sw {
namespace {

// Shows the wait window (when there is one) until the end of the scope, errors included.
class OptionalWait {
public:
    explicit OptionalWait(TWaitForm* form) {
        if (form)
            m_guard.emplace(*form);
    }

private:
    std::optional<WaitGuard> m_guard;
};

void ClearSelection(const OutputCommandContext& ctx) {
    if (ctx.clearSelection)
        ctx.clearSelection();
}

void OfferToOpen(const OutputCommandContext& ctx, const QString& path) {
    if (!ctx.dialogs.Confirm(kRenderCompleteQuestion))
        return;
    if (!ctx.dialogs.ShellOpen(path))
        ctx.dialogs.ShowError(
            QStringLiteral("The desktop has no program to open \"%1\".").arg(path));
}

// Writes (with the wait window shown, when given); on failure the wait window
// is closed before the error is shown. True when written.
bool WriteReporting(const OutputCommandContext& ctx, TWaitForm* waitForm,
                    const std::function<WriteResult()>& write) {
    WriteResult result;
    {
        OptionalWait wait(waitForm);
        result = write();
    }
    if (!result.ok)
        ctx.dialogs.ShowError(result.message);
    return result.ok;
}

// `size`, when given, is offered in the print dialog and holds the choice.
void PrintWith(const OutputCommandContext& ctx,
               const std::function<WriteResult(QPrinter&)>& print, PrintSize* size = nullptr) {
    if (!ctx.dialogs.HasPrinters()) {
        ctx.dialogs.ShowError(kNoPrintersMessage);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!(size ? ctx.dialogs.PrintLayoutDialog(printer, *size) : ctx.dialogs.PrintDialog(printer)))
        return;
    const WriteResult result = print(printer);
    if (!result.ok)
        ctx.dialogs.ShowError(result.message);
}

// Says why a stripboard or perfboard has no toner-transfer picture; true then.
bool RefusedPnp(const OutputCommandContext& ctx) {
    const std::optional<QString> refusal = PnpRefusal(ctx.doc);
    if (refusal)
        ctx.dialogs.ShowError(*refusal);
    return refusal.has_value();
}

// The drill diameter for Export Gerber, asked again after a text that is no
// diameter; nothing when cancelled. The answer is kept for the run.
std::optional<std::int64_t> AskDrill(const OutputCommandContext& ctx) {
    QString text = DrillUnitsText(ctx.drillUnits ? *ctx.drillUnits : kDefaultDrillUnits);
    for (;;) {
        const std::optional<QString> answer =
            ctx.dialogs.InputBox(QStringLiteral("Export Gerber"), kDrillPrompt, text);
        if (!answer)
            return std::nullopt;
        if (const std::optional<std::int64_t> units = DrillUnitsFromText(*answer)) {
            if (ctx.drillUnits)
                *ctx.drillUnits = *units;
            return units;
        }
        text = *answer;
        QString refusal = DrillRefusal(text.left(40)) + QLatin1Char('.');
        refusal[0] = refusal[0].toUpper();
        ctx.dialogs.ShowError(refusal);
    }
}

}  // namespace

void RenderImageCommand(const OutputCommandContext& ctx) {
    FileDialogRequest request;
    request.caption = QStringLiteral("Render Image");
    request.filter = kRenderImageFilter;
    request.defaultSuffix = QStringLiteral("gif");
    request.proposedFileName = QStringLiteral("render.gif");
    const std::optional<QString> path = ctx.dialogs.SaveFile(request);
    if (!path)
        return;
    const bool written = WriteReporting(ctx, ctx.waitForm, [&] {
        ClearSelection(ctx);
        return WriteRenderedImage(ctx.doc, *path, ImageFormatForFileName(*path), ctx.caches);
    });
    if (written)
        OfferToOpen(ctx, *path);
}

void PrintCommand(const OutputCommandContext& ctx) {
    PrintSize size = ctx.printSize ? *ctx.printSize : PrintSize::FillPage;
    PrintWith(
        ctx,
        [&](QPrinter& printer) {
            if (ctx.printSize)
                *ctx.printSize = size;
            ClearSelection(ctx);
            return PrintRenderedImage(ctx.doc, printer, ctx.caches, size);
        },
        &size);
}

void RenderPnpCommand(const OutputCommandContext& ctx) {
    if (RefusedPnp(ctx))
        return;
    FileDialogRequest request;
    request.caption = QStringLiteral("Render PnP");
    request.filter = kRenderPnpFilter;
    request.defaultSuffix = QStringLiteral("gif");
    request.proposedFileName = QStringLiteral("PnP.gif");
    const std::optional<QString> path = ctx.dialogs.SaveFile(request);
    if (!path)
        return;
    if (WriteReporting(ctx, nullptr, [&] { return WriteCopperImage(ctx.doc, *path); }))
        OfferToOpen(ctx, *path);
}

void PrintPnpCommand(const OutputCommandContext& ctx) {
    if (RefusedPnp(ctx))
        return;
    PrintWith(ctx, [&](QPrinter& printer) { return PrintCopperImage(ctx.doc, printer); });
}

void ExportGerberCommand(const OutputCommandContext& ctx, const QString& layoutFileName) {
    // A layout that cannot be written is said so before a folder is asked for.
    if (const std::optional<QString> refusal = GerberRefusal(ctx.doc)) {
        ctx.dialogs.ShowError(*refusal);
        return;
    }
    const QFileInfo layout(layoutFileName);
    const std::optional<QString> folder = ctx.dialogs.ChooseFolder(
        QStringLiteral("Export Gerber"), layoutFileName.isEmpty() ? QString() : layout.absolutePath());
    if (!folder || folder->isEmpty())
        return;
    const std::optional<std::int64_t> drill = AskDrill(ctx);
    if (!drill)
        return;
    const QString baseName =
        layout.completeBaseName().isEmpty() ? QStringLiteral("layout") : layout.completeBaseName();
    // A layout called NAME.drl in the chosen folder would be replaced by the drill file.
    for (const QString& name : GerberFileNames(baseName)) {
        const QString path = QDir(*folder).filePath(name);
        if (!layoutFileName.isEmpty() && IsSameFile(layoutFileName, path)) {
            ctx.dialogs.ShowError(
                QStringLiteral("\"%1\" is the layout itself; choose another folder.").arg(path));
            return;
        }
    }
    const GerberWriteResult result = WriteGerberFiles(ctx.doc, *folder, baseName, *drill);
    if (!result.write.ok) {
        ctx.dialogs.ShowError(result.write.message);
        return;
    }
    ctx.dialogs.ShowInformation(kExportCompleteMessage + QStringLiteral("\n\n") +
                                result.files.join(QLatin1Char('\n')));
}

}  // namespace sw
