// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pick map: a raster the size of the board image in which every pickable
// element leaves its identity key (its index among the root's children plus 1)
// on the pixels it covers; 0 means nothing. It is drawn with the same canvas
// operations as the picture, in key "colours", never anti-aliased.

#include "render/canvas.h"

#include <QImage>

namespace sw {

class PickMap {
public:
    PickMap(int width, int height);
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    void Clear();
    // The keys of `other`, a map of the same size.
    void CopyFrom(const PickMap& other);
    // The key at (x, y); 0 outside the map.
    unsigned KeyAt(int x, int y) const;
    void SetKey(int x, int y, unsigned key);
    // Canvas for drawing shapes in key colours: set the pen / brush colour to the key.
    Canvas& Draw() { return m_canvas; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
    Canvas m_canvas;
};

}  // namespace sw
