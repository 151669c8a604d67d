#include "EntityTable.h"

namespace sax {

EntityTable::EntityTable()
{
    insert(u"lt", u"<");
    insert(u"gt", u">");
    insert(u"amp", u"&");
    insert(u"apos", u"'");
    insert(u"quot", u"\"");
}

bool EntityTable::insert(std::u16string_view name, std::u16string_view replacement)
{
    return entities_.try_emplace(std::u16string(name), replacement).second;
}

const std::u16string* EntityTable::find(std::u16string_view name) const
{
    // Transparent lookup needs a hash of its own; the name is short, a copy is cheap.
    const auto it = entities_.find(std::u16string(name));
    return it == entities_.end() ? nullptr : &it->second;
}

}  // namespace sax
