// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/pick_map.h"

namespace sw {

// Keys live in the low 24 bits of an RGB32 raster, so the canvas draws them as
// colours; the alpha byte stays 0xFF.
PickMap::PickMap(int width, int height)
    : m_image(MakeRaster(width, height, 0)), m_canvas(m_image) {}

void PickMap::Clear() { m_canvas.Image().fill(QColor(0, 0, 0)); }

void PickMap::CopyFrom(const PickMap& other) { CopyPixels(other.m_image, m_image); }

unsigned PickMap::KeyAt(int x, int y) const { return m_canvas.Pixel(x, y); }

void PickMap::SetKey(int x, int y, unsigned key) { m_canvas.SetPixel(x, y, key & 0xFFFFFF); }

}  // namespace sw
