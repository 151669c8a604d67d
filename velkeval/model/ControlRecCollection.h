#pragma once

#include <memory>
#include <string_view>

#include "ControlRecord.h"
#include "KeyedCollection.h"

namespace velk {

// The control records of a group or a field. Item of a missing position or
// key is an error.
class ControlRecCollection {
public:
    using Record = std::shared_ptr<ControlRecord>;

    Record Add(Record record, std::string_view key = {})
    {
        items_.Add(record, key);
        return record;
    }
    Record Item(int position) const { return items_.Get(position); }
    Record Item(std::string_view key) const { return items_.Get(key); }
    int count() const { return items_.count(); }
    void Remove(int position) { items_.Remove(position); }
    void Remove(std::string_view key) { items_.Remove(key); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    KeyedCollection<Record> items_;
};

}  // namespace velk
