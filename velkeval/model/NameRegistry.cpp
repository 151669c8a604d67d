#include "NameRegistry.h"

#include <algorithm>

namespace velk {
namespace {

std::string WithoutSpaces(std::string_view name)
{
    std::string out(name);
    out.erase(std::remove(out.begin(), out.end(), ' '), out.end());
    return out;
}

}  // namespace

std::string GroupRegistryKey(std::string_view groupName) { return "group" + WithoutSpaces(groupName); }

std::string FieldRegistryKey(std::string_view fieldName) { return "field" + WithoutSpaces(fieldName); }

}  // namespace velk
