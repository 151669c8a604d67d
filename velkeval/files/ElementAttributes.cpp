#include "ElementAttributes.h"

#include <algorithm>

#include "DescriptionFormat.h"
#include "TextCase.h"

namespace velk {
namespace {

// Lower-cases a name where it lies; only names beyond ASCII, rare in
// descriptions, take LowerCase's full mapping.
void LowerInPlace(std::string& name)
{
    for (char& c : name) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            name = LowerCase(name);
            return;
        }
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

// Names are a few letters: compared where they lie, without a call.
bool SameName(const std::string& a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace

void ElementAttributes::Read(const AttributeList& attributes)
{
    count_ = 0;
    try {
        const int length = attributes.getLength();
        if (length > 0 && attributes_.size() < static_cast<size_t>(length)) attributes_.resize(static_cast<size_t>(length));
        for (int i = 0; i < length; ++i) {
            auto& [name, value] = attributes_[static_cast<size_t>(i)];
            attributes.readAttribute(i, name, value);
            LowerInPlace(name);
            count_ = static_cast<size_t>(i) + 1;
        }
    } catch (...) {
        // the list ends here; keep what was read
    }
}

const std::string* ElementAttributes::Find(std::string_view lowerName) const
{
    for (size_t i = count_; i-- > 0;)
        if (SameName(attributes_[i].first, lowerName)) return &attributes_[i].second;
    return nullptr;
}

const std::string& ElementAttributes::Get(std::string_view lowerName) const
{
    static const std::string missing = format::NoText;
    const std::string* value = Find(lowerName);
    return value ? *value : missing;
}

}  // namespace velk
