#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "FieldCollection.h"
#include "GroupCollection.h"
#include "NameRegistry.h"

namespace velk {

// True when the registry holds an entry under key.
bool NameInUse(const NameRegistry& nameRegistry, std::string_view key);

// The address for a new group: the largest group address plus one, in
// upper-case hexadecimal of at least two digits ("01" with no groups).
std::string NextFreeAddress(const GroupCollection& allGroups);

// The first group whose bytes cover the hexadecimal address, or none.
std::shared_ptr<Group> FindGroupByAddress(const GroupCollection& allGroups, std::string_view address);

// The part of a path after its last "/" or "\".
std::string FileNameOf(std::string_view path);

// The smallest and largest field value; 0 for no fields.
int16_t MinFieldValue(const FieldCollection& fields);
int16_t MaxFieldValue(const FieldCollection& fields);

}  // namespace velk
