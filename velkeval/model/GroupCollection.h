#pragma once

#include <memory>
#include <string_view>

#include "KeyedCollection.h"

namespace velk {

class Group;

// The groups of the loaded device, in description order. Item of a missing
// position or key is an error.
class GroupCollection {
public:
    using GroupPtr = std::shared_ptr<Group>;

    // Adds group under key when that is not empty, then in front of the
    // group keyed `before` when that is not empty too; a group added without
    // a key goes to the end. Returns the group.
    GroupPtr Add(GroupPtr group, std::string_view key = {}, std::string_view before = {})
    {
        items_.Add(group, key, key.empty() ? std::string_view{} : before);
        return group;
    }
    // Adds group under key (none when empty) at position 1 .. count() + 1.
    void Insert(GroupPtr group, std::string_view key, int position) { items_.Insert(std::move(group), key, position); }
    // The position of group in the collection, 0 when it is not there.
    int PositionOf(const Group& group) const
    {
        int position = 1;
        for (const auto& item : items_) {
            if (item.get() == &group) return position;
            ++position;
        }
        return 0;
    }
    GroupPtr Item(int position) const { return items_.Get(position); }
    GroupPtr Item(std::string_view key) const { return items_.Get(key); }
    int count() const { return items_.count(); }
    void Remove(int position) { items_.Remove(position); }
    void Remove(std::string_view key) { items_.Remove(key); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    KeyedCollection<GroupPtr> items_;
};

}  // namespace velk
