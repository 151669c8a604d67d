#include "AttributeList.h"

#include <algorithm>

#include "TextCase.h"

namespace velk {

void TextSlot::grow(size_t length) { storage_.resize(std::max(length, 2 * storage_.size())); }

void AttributeList::readAttribute(int index, TextSlot& localName, TextSlot& value) const
{
    localName.assign(getLocalName(index));
    value.assign(getValue(index));
}

std::string GetAttribute(const AttributeList& attributes, std::string_view name)
{
    const std::string wanted = LowerCase(name);
    std::string found = "GANone";
    try {
        const int length = attributes.getLength();
        for (int i = 0; i < length; ++i)
            if (LowerCase(attributes.getLocalName(i)) == wanted) found = attributes.getValue(i);
    } catch (...) {
        // the search ends; keep what was found
    }
    return found;
}

}  // namespace velk
