#include "AttributeList.h"

#include "TextCase.h"

namespace velk {

void AttributeList::readAttribute(int index, std::string& localName, std::string& value) const
{
    localName = getLocalName(index);
    value = getValue(index);
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
