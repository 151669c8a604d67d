#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "KeyedCollection.h"

namespace velk {

class Field;
class Group;

// The fields of a group. Item never fails: a missing position or key gives
// no field (nullptr).
class FieldCollection {
public:
    using FieldPtr = std::shared_ptr<Field>;

    // Creates a field with the given placement and value, adds it under key
    // (no key when empty) and returns it.
    FieldPtr AddV(int16_t value, int16_t byteIndex, int16_t bitIndex, int16_t size,
                  const std::shared_ptr<Group>& parent, int16_t sequence, std::string_view key);
    FieldPtr Add(FieldPtr field, std::string_view key = {});

    FieldPtr Item(int position) const;
    FieldPtr Item(std::string_view key) const;
    int count() const { return items_.count(); }
    void Remove(int position) { items_.Remove(position); }
    void Remove(std::string_view key) { items_.Remove(key); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    KeyedCollection<FieldPtr> items_;
};

}  // namespace velk
