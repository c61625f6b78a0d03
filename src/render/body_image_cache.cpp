// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_image_cache.h"

#include <QString>
#include <utility>

namespace sw {

std::shared_ptr<const KeyedImage> BodyImageCache::Cached(const std::string& key,
                                                        const std::function<QImage()>& build) {
    if (auto found = m_images.Find(key))
        return found;
    // Built outside the lock: another thread may build the same image
    // meanwhile, which only costs time, as both results are the same.
    auto image = std::make_shared<const KeyedImage>(build(), kKeyColour);
    const std::size_t bytes = image->Bytes();
    return m_images.Store(key, std::move(image), bytes);
}

BodyImageCacheStats BodyImageCache::Usage() const {
    const auto [entries, bytes] = m_images.EntriesAndBytes();
    return {entries, bytes};
}

BodyKey::BodyKey(const char* kind) {
    m_key = kind;
    m_key += '\0';
}

BodyKey& BodyKey::Add(long long value) {
    m_key += 'i';
    m_key.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
}

BodyKey& BodyKey::Add(double value) {
    m_key += 'd';
    m_key.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
}

BodyKey& BodyKey::Add(bool value) {
    m_key += value ? 'T' : 'F';
    return *this;
}

BodyKey& BodyKey::Add(const QString& text) {
    const long long length = text.size();
    m_key += 's';
    m_key.append(reinterpret_cast<const char*>(&length), sizeof length);
    m_key.append(reinterpret_cast<const char*>(text.utf16()), std::size_t(length) * 2);
    return *this;
}

}  // namespace sw
