#include "render/body_image_cache.h"

#include <QString>
#include <cstring>
#include <list>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace sw {
namespace {

struct Entry {
    std::string key;
    std::shared_ptr<const KeyedImage> image;
    std::size_t bytes;
};

// Most recently used at the front.
class Cache {
public:
    std::shared_ptr<const KeyedImage> Find(const std::string& key) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_index.find(key);
        if (it == m_index.end())
            return nullptr;
        m_order.splice(m_order.begin(), m_order, it->second);
        return it->second->image;
    }

    std::shared_ptr<const KeyedImage> Get(const std::string& key,
                                          const std::function<QImage()>& build) {
        if (auto found = Find(key))
            return found;
        // Built outside the lock: another thread may build the same image
        // meanwhile, which only costs time, as both results are the same.
        auto image = std::make_shared<const KeyedImage>(build(), kKeyColour);
        const std::size_t bytes = image->Bytes() + key.size() + 64;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (bytes > m_limit || m_index.count(key))
            return image;
        m_order.push_front(Entry{key, image, bytes});
        m_index.emplace(key, m_order.begin());
        m_bytes += bytes;
        Trim();
        return image;
    }

    void SetLimit(std::size_t bytes) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_limit = bytes;
        Trim();
    }

    void Clear() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_index.clear();
        m_order.clear();
        m_bytes = 0;
    }

    BodyImageCacheStats Usage() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return {m_index.size(), m_bytes};
    }

private:
    void Trim() {
        while (m_bytes > m_limit && !m_order.empty()) {
            m_bytes -= m_order.back().bytes;
            m_index.erase(m_order.back().key);
            m_order.pop_back();
        }
    }

    std::mutex m_mutex;
    std::list<Entry> m_order;
    std::unordered_map<std::string, std::list<Entry>::iterator> m_index;
    std::size_t m_bytes = 0;
    std::size_t m_limit = kDefaultBodyCacheBytes;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const KeyedImage> CachedBodyImage(const std::string& key,
                                                  const std::function<QImage()>& build) {
    return TheCache().Get(key, build);
}

std::shared_ptr<const KeyedImage> FindBodyImage(const std::string& key) {
    return TheCache().Find(key);
}

void SetBodyImageCacheLimit(std::size_t bytes) { TheCache().SetLimit(bytes); }
void ClearBodyImageCache() { TheCache().Clear(); }
BodyImageCacheStats BodyImageCacheUsage() { return TheCache().Usage(); }

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
