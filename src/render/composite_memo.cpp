// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/composite_memo.h"

#include <algorithm>
#include <cstring>
#include <xxhash.h>

namespace sw {

bool CompositeMemo::Geometry::operator==(const Geometry& o) const {
    const BlendTarget& a = target;
    const BlendTarget& b = o.target;
    return bands == o.bands && opacity == o.opacity && a.canvasStride == b.canvasStride &&
           a.canvasWidth == b.canvasWidth && a.canvasHeight == b.canvasHeight &&
           a.pickStride == b.pickStride && a.pickWidth == b.pickWidth && a.pickHeight == b.pickHeight;
}

bool CompositeMemo::Begin(const BlendTarget& target, int bands, int opacity) {
    m_active = false;
    m_locked = m_use.try_lock();
    if (!m_locked)
        return false;
    const Geometry geometry{target, bands, opacity};
    if (!(geometry == m_geometry)) {
        Reset();
        m_bands.assign(std::size_t(bands), Band{});
    }
    m_geometry = geometry;
    if (++m_timesSeen < 2)
        return false;
    m_canvasAfter.resize(std::size_t(target.canvasStride) * std::size_t(target.canvasHeight));
    m_pickAfter.resize(std::size_t(target.pickStride) * std::size_t(target.pickHeight));
    m_active = true;
    return true;
}

CompositeMemo::Hash CompositeMemo::RowsHash(int rowBegin, int rowEnd) const {
    const BlendTarget& t = m_geometry.target;
    auto hash = [&](const QRgb* rows, qsizetype stride, int height) {
        const int end = std::min(rowEnd, height);
        if (rowBegin >= end)
            return XXH128_hash_t{0, 0};
        return XXH3_128bits(rows + qsizetype(rowBegin) * stride,
                            std::size_t(end - rowBegin) * std::size_t(stride) * sizeof(QRgb));
    };
    const XXH128_hash_t canvas = hash(t.canvas, t.canvasStride, t.canvasHeight);
    const XXH128_hash_t pick = hash(t.pick, t.pickStride, t.pickHeight);
    return {canvas.low64, canvas.high64, pick.low64, pick.high64};
}

void CompositeMemo::CopyRows(int rowBegin, int rowEnd, bool toMemo) {
    const BlendTarget& t = m_geometry.target;
    auto copy = [&](QRgb* rows, qsizetype stride, int height, std::vector<QRgb>& kept) {
        const int end = std::min(rowEnd, height);
        if (rowBegin >= end)
            return;
        QRgb* live = rows + qsizetype(rowBegin) * stride;
        QRgb* memo = kept.data() + qsizetype(rowBegin) * stride;
        const std::size_t bytes = std::size_t(end - rowBegin) * std::size_t(stride) * sizeof(QRgb);
        std::memcpy(toMemo ? memo : live, toMemo ? live : memo, bytes);
    };
    copy(t.canvas, t.canvasStride, t.canvasHeight, m_canvasAfter);
    copy(t.pick, t.pickStride, t.pickHeight, m_pickAfter);
}

bool CompositeMemo::Restore(int band, int rowBegin, int rowEnd, const std::vector<BandBody>& bodies) {
    Band& b = m_bands[std::size_t(band)];
    if (bodies.empty()) {
        // Nothing to composite.
        b.kept = false;
        b.bodies.clear();
        return true;
    }
    const Hash before = RowsHash(rowBegin, rowEnd);
    if (b.kept && b.before == before && b.bodies == bodies) {
        CopyRows(rowBegin, rowEnd, false);
        return true;
    }
    b.pending = before;
    return false;
}

void CompositeMemo::Keep(int band, int rowBegin, int rowEnd, const std::vector<BandBody>& bodies) {
    Band& b = m_bands[std::size_t(band)];
    CopyRows(rowBegin, rowEnd, true);
    b.before = b.pending;
    b.bodies = bodies;
    b.kept = true;
}

void CompositeMemo::End() {
    m_active = false;
    if (m_locked)
        m_use.unlock();
    m_locked = false;
}

void CompositeMemo::Clear() {
    const std::lock_guard<std::mutex> lock(m_use);
    Reset();
}

void CompositeMemo::Reset() {
    m_timesSeen = 0;
    m_bands.clear();
    m_canvasAfter = {};
    m_pickAfter = {};
    m_geometry = Geometry{};
}

}  // namespace sw
