#include "Utilities.h"

#include <algorithm>

#include "Conversions.h"
#include "Field.h"
#include "Group.h"

namespace velk {
namespace {

// The first field's value, replaced by every later one for which `better`
// holds; 0 for no fields.
template <class Better>
int16_t ExtremeFieldValue(const FieldCollection& fields, Better better)
{
    auto it = fields.begin();
    if (it == fields.end()) return 0;
    int16_t extreme = (*it)->value;
    for (++it; it != fields.end(); ++it)
        if (better((*it)->value, extreme)) extreme = (*it)->value;
    return extreme;
}

}  // namespace

bool NameInUse(const NameRegistry& nameRegistry, std::string_view key) { return nameRegistry.Contains(key); }

std::string NextFreeAddress(const GroupCollection& allGroups)
{
    int16_t largest = 0;
    for (const auto& group : allGroups) largest = std::max(largest, TextToInt(group->address, 0, "hex"));
    return AddressHex(Checked16(largest + 1LL, "NextFreeAddress"));
}

std::shared_ptr<Group> FindGroupByAddress(const GroupCollection& allGroups, std::string_view address)
{
    const int a = TextToInt(address, 0, "hex");
    for (const auto& group : allGroups) {
        const int base = TextToInt(group->address, 0, "hex");
        if (base <= a && a < base + group->size) return group;
    }
    return nullptr;
}

std::string FileNameOf(std::string_view path)
{
    const size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

int16_t MinFieldValue(const FieldCollection& fields)
{
    return ExtremeFieldValue(fields, [](int16_t a, int16_t b) { return a < b; });
}

int16_t MaxFieldValue(const FieldCollection& fields)
{
    return ExtremeFieldValue(fields, [](int16_t a, int16_t b) { return a > b; });
}

}  // namespace velk
