// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a renderer keeps from one picture to the next: the built body images,
// the strokes of the wires and the composited bands of the two body layers.
// None of it changes a pixel; it only saves work when much of the next picture
// is the last one again. Each renderer that repaints owns a set: the editor's
// board view one, its exports another, so a picture made for a file never
// evicts the screen's bodies or disturbs its bands. A render given no set
// uses a fresh one for that picture alone.

#include "render/body_image_cache.h"
#include "render/composite_memo.h"
#include "render/wire_span_cache.h"

namespace sw {

struct RenderCaches {
    BodyImageCache bodies;
    WireStrokeCache wires;
    CompositeMemo switchTubeBands;
    CompositeMemo bodyBands;

    CompositeMemo& Bands(BodyLayerMemo layer) {
        return layer == BodyLayerMemo::SwitchTube ? switchTubeBands : bodyBands;
    }
    // Drops everything kept.
    void Clear() {
        bodies.Clear();
        wires.Clear();
        switchTubeBands.Clear();
        bodyBands.Clear();
    }
};

}  // namespace sw
