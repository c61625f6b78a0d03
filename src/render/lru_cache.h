// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A map from byte-string keys to shared, immutable values that drops the least
// recently used entries once their bytes pass a bound. Safe to use from several
// threads (one mutex); a value handed out stays valid however the cache changes.

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>

namespace sw {

template <typename Value>
class LruCache {
public:
    explicit LruCache(std::size_t limit) : m_limit(limit) {}

    // The value under `key` (now the most recently used), or null.
    std::shared_ptr<const Value> Find(const std::string& key) {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_index.find(key);
        if (it == m_index.end())
            return nullptr;
        m_order.splice(m_order.begin(), m_order, it->second);
        return it->second->value;
    }

    // Keeps `value` under `key` as `bytes` bytes unless it alone passes the
    // bound or the key is already there; gives back `value` either way.
    std::shared_ptr<const Value> Store(const std::string& key, std::shared_ptr<const Value> value,
                                       std::size_t bytes) {
        bytes += key.size() + kEntryOverhead;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (bytes > m_limit || m_index.count(key))
            return value;
        m_order.push_front(Entry{key, value, bytes});
        m_index.emplace(key, m_order.begin());
        m_bytes += bytes;
        Trim();
        return value;
    }

    std::size_t Limit() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_limit;
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

    std::pair<std::size_t, std::size_t> EntriesAndBytes() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return {m_index.size(), m_bytes};
    }

private:
    static constexpr std::size_t kEntryOverhead = 64;

    struct Entry {
        std::string key;
        std::shared_ptr<const Value> value;
        std::size_t bytes;
    };

    void Trim() {
        while (m_bytes > m_limit && !m_order.empty()) {
            m_bytes -= m_order.back().bytes;
            m_index.erase(m_order.back().key);
            m_order.pop_back();
        }
    }

    std::mutex m_mutex;
    std::list<Entry> m_order;  // most recently used first
    std::unordered_map<std::string, typename std::list<Entry>::iterator> m_index;
    std::size_t m_bytes = 0;
    std::size_t m_limit;
};

}  // namespace sw
