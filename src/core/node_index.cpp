#include "core/node_index.h"

namespace examsim {

namespace {

std::uint32_t hashOf(std::string_view key) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char c : key) h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

void NodeIndex::clear() {
    keys_.clear();
    entries_.clear();
    slots_.clear();
    next_ = 0;
}

std::size_t NodeIndex::slotOf(std::uint32_t hash, std::string_view key) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t s = slots_[i];
        if (s == 0) return i;
        const Entry& e = entries_[s - 1];
        if (e.hash == hash && keyOf(e) == key) return i;
    }
}

void NodeIndex::rehash(std::size_t slotCount) {
    slots_.assign(slotCount, 0);
    const std::size_t mask = slotCount - 1;
    for (std::uint32_t n = 0; n < entries_.size(); ++n) {
        std::size_t i = entries_[n].hash & mask;
        while (slots_[i] != 0) i = (i + 1) & mask;
        slots_[i] = n + 1;
    }
}

bool NodeIndex::add(const pugi::xml_node& node) {
    if ((entries_.size() + 1) * 3 > slots_.size() * 2) rehash(slots_.empty() ? 64 : slots_.size() * 2);
    const std::string_view key = node.attribute(attribute_).value();
    const std::uint32_t hash = hashOf(key);
    const std::size_t slot = slotOf(hash, key);
    if (slots_[slot] != 0) return false;
    entries_.push_back({static_cast<std::uint32_t>(keys_.size()), static_cast<std::uint32_t>(key.size()), hash, node});
    keys_.append(key);
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
    return true;
}

pugi::xml_node NodeIndex::find(std::string_view key) const {
    if (next_ < entries_.size() && keyOf(entries_[next_]) == key) return entries_[next_++].node;
    if (slots_.empty()) return {};
    const std::uint32_t s = slots_[slotOf(hashOf(key), key)];
    if (s == 0) return {};
    next_ = s;
    return entries_[s - 1].node;
}

}  // namespace examsim
