#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// A set of names for a check against repeats over thousands of them, such
// as the registry keys of a large device. The names' hashes lie in one flat
// table and the names in one text, so an insert touches a slot or two in
// one place instead of a node allocated among the window's objects; two
// names are compared only when their hashes agree.
class NameSet {
public:
    // Adds `name`; false when it is in the set already.
    bool Insert(std::string_view name);
    size_t size() const { return count_; }

private:
    struct Slot {
        uint64_t hash = 0;  // the name's hash with its low bit set; 0 for a free slot
        uint32_t begin = 0;  // where the name lies in text_
        uint32_t length = 0;
    };
    // Puts an entry into the first free slot of its probe sequence.
    static void Place(std::vector<Slot>& slots, const Slot& entry);
    void Grow();

    std::vector<Slot> slots_;  // a power of two of them, at most half in use
    std::string text_;         // every name, one after another
    size_t count_ = 0;
};

}  // namespace velk
