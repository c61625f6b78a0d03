// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composited rows of the last repaints, kept per band of rows so that a
// band whose inputs have not changed is copied instead of composited again.
//
// A band's result depends only on what the canvas and the pick map held in its
// rows before the bodies were drawn, and on the bodies that reach it (image,
// place, identity key) and their opacity. The memo keeps, per band, 128-bit
// hashes of the rows before and the list of bodies, with the rows after; a band
// whose rows before hash the same and whose list is the same gets the rows
// after back. On the editor's repaints most bands are unchanged (a moved part
// touches two or three of them), so the bodies cost a hash and a copy there.
//
// Nothing is kept on the first compositing of a target of a given size: a
// one-off picture (the command line, an export between repaints) costs no
// extra memory or copying. From the second one on, the rows after take about
// as much memory as the canvas and the pick map (19 MB for the board image).

#include "render/blend.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace sw {

// A body as it reaches a band: which image, where, and under which identity
// key. The memo tells images apart by their serial and never reads them, so
// it keeps none alive: the body image cache alone bounds what they hold, and
// an image built later at a released one's address is still another image.
struct BandBody {
    const KeyedImage* image;
    std::uint64_t serial;
    int left;
    int top;
    unsigned identity;
    bool operator==(const BandBody& o) const {
        return serial == o.serial && left == o.left && top == o.top && identity == o.identity;
    }
};

class CompositeMemo {
public:
    // Starts a compositing of `bands` bands over `target` at `opacity`;
    // returns whether bands are looked up and kept this time (false on the
    // first compositing of a target of this size, or while another thread
    // uses the memo).
    bool Begin(const BlendTarget& target, int bands, int opacity);
    // After Begin returned true, for band `band` of rows [rowBegin, rowEnd):
    // when its rows and `bodies` are as kept, copies the rows after back into
    // the target and returns true; otherwise remembers the rows' hash and
    // returns false (the caller composites, then calls Keep).
    bool Restore(int band, int rowBegin, int rowEnd, const std::vector<BandBody>& bodies);
    // Keeps the band's composited rows with the hash and list Restore saw.
    void Keep(int band, int rowBegin, int rowEnd, const std::vector<BandBody>& bodies);
    // Ends what Begin started (always call it after Begin, whatever it returned).
    void End();

    // Drops everything kept (the next compositing keeps nothing).
    void Clear();

private:
    struct Geometry {
        BlendTarget target;
        int bands = 0;
        int opacity = 0;
        bool operator==(const Geometry& o) const;
    };
    // The canvas rows' and the pick map rows' 128-bit hashes.
    struct Hash {
        unsigned long long canvasLow = 0, canvasHigh = 0, pickLow = 0, pickHigh = 0;
        bool operator==(const Hash&) const = default;
    };
    struct Band {
        bool kept = false;
        Hash before;   // of the rows before compositing
        Hash pending;  // the hash Restore found, for Keep
        std::vector<BandBody> bodies;
    };
    void Reset();
    Hash RowsHash(int rowBegin, int rowEnd) const;
    void CopyRows(int rowBegin, int rowEnd, bool toMemo);

    std::mutex m_use;
    bool m_active = false;
    bool m_locked = false;
    Geometry m_geometry;
    int m_timesSeen = 0;  // compositings of this geometry in a row
    std::vector<Band> m_bands;
    std::vector<QRgb> m_canvasAfter;
    std::vector<QRgb> m_pickAfter;
};

// The two body layers, each with a memo of its own: switches and tube sockets,
// and every other body.
enum class BodyLayerMemo { SwitchTube, Body };

}  // namespace sw
