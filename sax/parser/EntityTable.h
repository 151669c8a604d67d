#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace sax {

// General entities by name. Holds the five predefined ones from the start;
// the first definition of a name wins, later ones are ignored.
class EntityTable {
public:
    EntityTable();

    // Returns false (and keeps the earlier text) when the name is already present.
    bool insert(std::u16string_view name, std::u16string_view replacement);
    // The replacement text, or null for an unknown name.
    const std::u16string* find(std::u16string_view name) const;

private:
    std::unordered_map<std::u16string, std::u16string> entities_;
};

}  // namespace sax
