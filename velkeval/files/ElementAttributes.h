#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "AttributeList.h"

namespace velk {

// The attributes of one start element read once, names lower-cased, so
// that looking several of them up does not read the list again each time.
// One object serves element after element and keeps its storage, so a
// parse does not allocate per element.
class ElementAttributes {
public:
    // Replaces the attributes with those of `attributes`. A list that fails
    // while it is read keeps the attributes read before.
    void Read(const AttributeList& attributes);

    // As GetAttribute: the value of the last attribute named `lowerName`
    // (in any letter case in the file), or "GANone".
    const std::string& Get(std::string_view lowerName) const;
    // The same value, or null when no attribute has that name.
    const std::string* Find(std::string_view lowerName) const;

private:
    std::vector<std::pair<std::string, std::string>> attributes_;  // lower-cased name, value
    size_t count_ = 0;  // the entries of the current element; later ones are spare storage
};

}  // namespace velk
