// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A layer drawn over the rendered board in the view alone: never in the pick
// map, an exported picture or the board image itself.

namespace sw {

class Canvas;
class LayoutDocument;

class BoardOverlay {
public:
    virtual ~BoardOverlay() = default;
    virtual bool Empty() const = 0;
    // Draws over the board on `canvas`, in board-image pixels.
    virtual void Draw(Canvas& canvas, const LayoutDocument& doc) const = 0;
};

}  // namespace sw
