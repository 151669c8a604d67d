#include "ElementAttributes.h"

#include <algorithm>

#include "DescriptionFormat.h"
#include "TextCase.h"

namespace velk {

ElementAttributes::ElementAttributes(const AttributeList& attributes)
{
    try {
        const int length = attributes.getLength();
        attributes_.reserve(static_cast<size_t>(std::max(length, 0)));
        for (int i = 0; i < length; ++i) attributes_.emplace_back(LowerCase(attributes.getLocalName(i)), attributes.getValue(i));
    } catch (...) {
        // the list ends here; keep what was read
    }
}

const std::string& ElementAttributes::Get(std::string_view lowerName) const
{
    static const std::string missing = format::NoText;
    for (auto it = attributes_.rbegin(); it != attributes_.rend(); ++it)
        if (it->first == lowerName) return it->second;
    return missing;
}

}  // namespace velk
