#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "AttributeList.h"

namespace velk {

// The attributes of one start element read once, names lower-cased, so
// that looking several of them up does not read the list again each time.
class ElementAttributes {
public:
    // A list that fails while it is read keeps the attributes read before.
    explicit ElementAttributes(const AttributeList& attributes);

    // As GetAttribute: the value of the last attribute named `lowerName`
    // (in any letter case in the file), or "GANone".
    const std::string& Get(std::string_view lowerName) const;

private:
    std::vector<std::pair<std::string, std::string>> attributes_;  // lower-cased name, value
};

}  // namespace velk
