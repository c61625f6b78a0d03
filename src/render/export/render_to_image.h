// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rendered picture of a layout, shared by Render Image, Print and the
// command line: the layout drawn in image mode on a 1280 x 1024 work canvas,
// cropped to its content with a 16-pixel margin, at least 400 pixels of content
// wide, with a grey footer (a blank stamp line and the program's web page) and
// the logo in the bottom-right corner.

#include <QImage>

namespace sw {

class LayoutDocument;
struct RenderCaches;

constexpr int kWorkCanvasWidth = 1280;
constexpr int kWorkCanvasHeight = 1024;

// The content box of the work canvas: each edge is the first probe, every tenth
// column or row counted from that side, that holds a pixel other than pure
// white. Where no probe finds content, the box spans the whole canvas.
struct ContentEdges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
ContentEdges ContentBox(const QImage& work);

// The finished picture: the box widened to at least 400 pixels between its
// probed edges, (right - left + 32) x (bottom - top + 80) pixels with the work
// canvas pixel (left - 16, top - 16) at (0, 0); then the footer and the logo.
// Pixels outside the work canvas come out white.
QImage CropAndStamp(const QImage& work, ContentEdges box);

// Renders `doc` in image mode (nothing drawn as selected) and returns the picture.
// Uses a pick map of its own, so the editor's stays as it was.
QImage RenderToImage(const LayoutDocument& doc, RenderCaches* caches = nullptr);

}  // namespace sw
