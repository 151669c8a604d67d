#include "NameSet.h"

#include <functional>
#include <limits>
#include <stdexcept>

namespace velk {

bool NameSet::Insert(std::string_view name)
{
    if (2 * (count_ + 1) > slots_.size()) Grow();
    const uint64_t hash = std::hash<std::string_view>{}(name) | 1;
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.hash == 0) break;
        if (slot.hash == hash && std::string_view(text_).substr(slot.begin, slot.length) == name) return false;
    }
    if (text_.size() + name.size() > std::numeric_limits<uint32_t>::max())
        throw std::length_error("NameSet: the names exceed 4 GiB");
    Place(slots_, {hash, static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(name.size())});
    text_.append(name);
    ++count_;
    return true;
}

void NameSet::Place(std::vector<Slot>& slots, const Slot& entry)
{
    const size_t mask = slots.size() - 1;
    size_t i = entry.hash & mask;
    while (slots[i].hash != 0) i = (i + 1) & mask;
    slots[i] = entry;
}

void NameSet::Grow()
{
    std::vector<Slot> slots(slots_.empty() ? 64 : 2 * slots_.size());
    for (const Slot& slot : slots_)
        if (slot.hash != 0) Place(slots, slot);
    slots_ = std::move(slots);
}

}  // namespace velk
