// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_pipeline.h"

#include "analysis/bill_of_materials.h"
#include "model/catalogue.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/export/copper_output.h"
#include "render/export/gif_encoder.h"
#include "render/export/render_to_image.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "ui/explorer_order.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace sw {
namespace {

struct Entry {
    int kind;
    QString name;
};

// The explorer lists components under their kind's category, in its own sort
// order.
QStringList ExplorerOrder(const LayoutDocument& doc) {
    std::vector<Entry> entries;
    doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
        entries.push_back({FindKind(node.name())->index, TextAttr(node, "Name")});
    });
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return ListCompare(a.kind, a.name, b.kind, b.name) < 0;
    });
    QStringList order;
    for (const Entry& e : entries)
        order << QLatin1String(FindKind(e.kind)->category) + QStringLiteral(": ") + e.name;
    return order;
}

// The first hole of the first component and the last hole of the last one, so
// the check runs between two places the file itself names; the board's corners
// when it has no components.
void PickHoles(const LayoutDocument& doc, OpenOutcome& outcome) {
    outcome.source = {1, 1};
    outcome.destination = {doc.BoardWidth(), doc.BoardHeight()};
    bool first = true;
    doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
        if (first)
            outcome.source = {IntAttr(node, "X1"), IntAttr(node, "Y1")};
        first = false;
        if (LayoutDocument::IsOneHoleKind(node.name()))
            outcome.destination = {IntAttr(node, "X1"), IntAttr(node, "Y1")};
        else
            outcome.destination = {IntAttr(node, "X2"), IntAttr(node, "Y2")};
    });
}

void DrawScreen(const LayoutDocument& doc, OpenOutcome& outcome) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderOptions options;
    // Every other component is drawn selected, so the selection's drawing runs too.
    std::unordered_set<const void*> selected;
    bool take = true;
    doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
        if (take)
            selected.insert(node.internal_object());
        take = !take;
    });
    options.isSelected = [&selected](pugi::xml_node node) {
        return selected.count(node.internal_object()) > 0;
    };
    RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    outcome.boardImage = image.size();
}

}  // namespace

OpenOutcome RunOpenPipeline(const QByteArray& bytes, const OpenSteps& steps) {
    OpenOutcome outcome;
    LayoutDocument doc;
    const LoadResult loaded = doc.LoadBytes(bytes, QStringLiteral("layout.swb"));
    if (!loaded.ok) {
        outcome.refusal = loaded.message;
        return outcome;
    }
    outcome.opened = true;
    outcome.explorerOrder = ExplorerOrder(doc);
    outcome.components = int(outcome.explorerOrder.size());

    if (steps.screen)
        DrawScreen(doc, outcome);
    if (steps.picture)
        outcome.picture = RenderToImage(doc).size();

    PickHoles(doc, outcome);
    outcome.connection = CheckConnection(doc, outcome.source, outcome.destination);
    outcome.billOfMaterials = BillOfMaterialsText(doc);

    if (steps.copper) {
        const QImage copper = RenderCopperImage(doc, &outcome.copperRefusal);
        outcome.copperMade = !copper.isNull();
        outcome.copperSize = copper.size();
        if (outcome.copperMade && steps.encodeCopper) {
            QString error;
            if (!EncodeGif(copper, outcome.copperGif, &error))
                outcome.copperRefusal = error;
        }
    }

    // What the editor saves must open again.
    LayoutDocument reopened;
    const std::string saved = doc.ToText();
    outcome.savedBytes = qsizetype(saved.size());
    const LoadResult again = reopened.LoadText(saved);
    outcome.reopened = again.ok;
    outcome.reopenProblem = again.message;
    return outcome;
}

}  // namespace sw
