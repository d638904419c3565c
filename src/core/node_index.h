#pragma once
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace examsim {

// Elements of a document found by the text of one of their attributes. The
// keys are copied into the index, so a lookup touches only the index, never
// the document; a lookup of the entry after the previous hit (callers often
// walk in the order the nodes were added) is served without hashing. Keeps
// the first node added for a key. The nodes must outlive the index: rebuild it
// when the document is replaced.
class NodeIndex {
public:
    explicit NodeIndex(const char* keyAttribute) : attribute_(keyAttribute) {}

    void clear();
    // False when the key was already present (the first node stays).
    bool add(const pugi::xml_node& node);
    pugi::xml_node find(std::string_view key) const;
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        std::uint32_t hash;
        pugi::xml_node node;
    };
    std::string_view keyOf(const Entry& e) const { return std::string_view(keys_).substr(e.keyOffset, e.keyLength); }
    // Position in slots_ of the key, or of the empty slot where it belongs.
    std::size_t slotOf(std::uint32_t hash, std::string_view key) const;
    void rehash(std::size_t slotCount);

    const char* attribute_;
    std::string keys_;
    std::vector<Entry> entries_;        // in the order added
    std::vector<std::uint32_t> slots_;  // entry number + 1; 0 = empty
    mutable std::size_t next_ = 0;      // entry after the previous hit
};

}  // namespace examsim
