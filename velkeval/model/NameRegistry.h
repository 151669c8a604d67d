#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "KeyedCollection.h"

namespace velk {

class Group;
class Field;

// What the name registry holds: a group or a field.
using RegisteredObject = std::variant<std::shared_ptr<Group>, std::shared_ptr<Field>>;

// The registry of every group and field of the device by its "group"/"field"
// key, so that names stay unique and a widget's tag finds its owner.
using NameRegistry = KeyedCollection<RegisteredObject>;

// The registry keys: the prefix and the name with all spaces removed.
std::string GroupRegistryKey(std::string_view groupName);
std::string FieldRegistryKey(std::string_view fieldName);

}  // namespace velk
