#pragma once
// The toner-transfer ("PnP") picture: only the copper of the layout, traces and
// pads black on white with the pads' drill marks, on a canvas with 20 pixels per
// hole pitch, so 20 canvas pixels print as one tenth of an inch.

#include <QSize>
#include <QString>

namespace sw {

class Canvas;
class LayoutDocument;

// The copper canvas for a layout of Width x Height holes: 20 (Width + 2) by
// 20 (Height + 2) pixels. Empty (and `error` set) when the board's size gives no
// sensible canvas (no holes, or so many that the picture cannot be made).
QSize CopperCanvasSize(const LayoutDocument& doc, QString* error = nullptr);

// Hole (X, Y) on the copper canvas: (x0 + 20 X, 20 Y), x0 being the board origin
// for this canvas (0 on a canvas of the size above).
int CopperOriginX(int canvasWidth, int layoutWidth);

// Draws the white page, the board outline, every trace and then every pad with
// its drill mark, and nothing else. Draws nothing when the document has no root.
void RenderCopper(const LayoutDocument& doc, Canvas& canvas, int width, int height);

}  // namespace sw
