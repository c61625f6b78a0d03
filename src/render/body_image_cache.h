// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Built body images kept across repaints. The editor redraws the whole board on
// every change, and building a body image (label text, turn) costs far more
// than compositing it, so each finished image is kept under a key that holds
// every argument its builder was given: an unchanged part then costs only its
// compositing. The keys are complete, so nothing ever needs invalidating; the
// least recently used images are dropped once the total passes the byte bound.
// Safe to use from several threads (one mutex). Each renderer that repaints
// owns one (render/render_caches.h): the editor's screen, its exports.

#include "render/blend.h"
#include "render/lru_cache.h"

#include <QImage>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace sw {

struct BodyImageCacheStats {
    std::size_t entries;
    std::size_t bytes;
};

// Default bound on the bytes of image data kept: 64 MiB.
constexpr std::size_t kDefaultBodyCacheBytes = std::size_t(64) << 20;

class BodyImageCache {
public:
    explicit BodyImageCache(std::size_t bytes = kDefaultBodyCacheBytes) : m_images(bytes) {}

    // The image stored under `key`, or the result of `build` with its runs of
    // drawn pixels (stored, also when null, so a body that draws nothing is not
    // rebuilt either). An image larger than the bound is returned without being
    // kept. The result stays valid however the cache changes afterwards.
    std::shared_ptr<const KeyedImage> Cached(const std::string& key, const std::function<QImage()>& build);
    // The image stored under `key` (now the most recently used), or null.
    std::shared_ptr<const KeyedImage> Find(const std::string& key) { return m_images.Find(key); }
    // Changes the bound (dropping images as needed); 0 turns keeping off.
    void SetLimit(std::size_t bytes) { m_images.SetLimit(bytes); }
    std::size_t Limit() const { return m_images.Limit(); }
    void Clear() { m_images.Clear(); }
    BodyImageCacheStats Usage() const;

private:
    mutable LruCache<KeyedImage> m_images;
};

// Builds a cache key from builder arguments: every piece is written with its
// length or exact bit pattern, so two different argument lists never give the
// same key.
class BodyKey {
public:
    explicit BodyKey(const char* kind);
    BodyKey& Add(long long value);
    BodyKey& Add(int value) { return Add(static_cast<long long>(value)); }
    BodyKey& Add(double value);
    BodyKey& Add(bool value);
    BodyKey& Add(const QString& text);
    std::string Take() { return std::move(m_key); }

private:
    std::string m_key;
};

}  // namespace sw
