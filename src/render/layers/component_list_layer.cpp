// Layer 10: the compact parts list under the board, in three columns
// (resistors; capacitors; everything else with a value), centred on the canvas.

#include "model/layout_document.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <cstring>

namespace sw {

namespace {

constexpr int kRowPitch = 16;

bool Is(pugi::xml_node node, const char* kind) { return std::strcmp(node.name(), kind) == 0; }

struct ListColumn {
    RenderContext& ctx;
    int left;
    int top;
    int row = 0;

    // One walk in document order, listing the elements for which `listed`
    // holds; the rows continue from earlier walks into the same column.
    template <typename Pred>
    void Walk(Pred listed) {
        ctx.doc.ForEachComponent([&](pugi::xml_node node, unsigned) {
            if (!listed(node))
                return;
            QString entry = TextAttr(node, "Name") + QStringLiteral(": ") + TextAttr(node, "Value");
            if (Is(node, "Pot"))
                entry += QLatin1Char(' ') + TextAttr(node, "Taper");
            ctx.canvas.TextOut(left, top + kRowPitch * row, entry);
            ++row;
        });
    }
    void WalkWithValue(const char* kind) {
        Walk([kind](pugi::xml_node node) { return Is(node, kind) && *node.attribute("Value").value(); });
    }
};

}  // namespace

void DrawComponentList(RenderContext& ctx) {
    if (ctx.doc.HideList())
        return;
    Canvas& canvas = ctx.canvas;
    canvas.SetFont(QStringLiteral("Tahoma"), 8, true);
    canvas.SetFontColour(0);
    canvas.SetBrush(0xFFFFFF, BrushStyle::Solid);
    // 40 pixels below the bottom row of board tiles.
    const int top = 240 + 20 * ctx.boardHeight;
    const int centre = ctx.width / 2;

    ListColumn resistors{ctx, centre - 150, top};
    resistors.WalkWithValue("Resistor");

    // Capacitors are listed even without a value; electrolytes only with one.
    ListColumn capacitors{ctx, centre - 50, top};
    capacitors.Walk([](pugi::xml_node node) {
        return Is(node, "Capacitor") || (Is(node, "Electrolyte") && *node.attribute("Value").value());
    });

    ListColumn others{ctx, centre + 50, top};
    for (const char* kind : {"IC", "LineIC", "Transistor", "Diode", "Led", "Trimmer", "Pot", "Transformer",
                             "Switch", "Tube", "Relay"})
        others.WalkWithValue(kind);
}

}  // namespace sw
