#include "RegistryKey.h"

#include <algorithm>

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Splits the first name off `path`.
std::string_view TakeName(std::string_view& path)
{
    const size_t slash = path.find('\\');
    std::string_view name = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    return name;
}

bool IsValidKeyName(std::string_view name) { return !name.empty() && name.find_first_of("\r\n") == std::string_view::npos; }

}  // namespace

bool IsValidKeyPath(std::string_view path)
{
    do {
        if (!IsValidKeyName(TakeName(path))) return false;
    } while (!path.empty());
    return true;
}

bool RegistryNameLess::operator()(std::string_view a, std::string_view b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

RegistryKey::RegistryKey(const RegistryKey& other) : values_(other.values_)
{
    for (const auto& [name, key] : other.subKeys_) subKeys_.emplace(name, std::make_unique<RegistryKey>(*key));
}

RegistryKey& RegistryKey::operator=(const RegistryKey& other)
{
    if (this != &other) *this = RegistryKey(other);
    return *this;
}

RegistryKey* RegistryKey::find(std::string_view path)
{
    return const_cast<RegistryKey*>(static_cast<const RegistryKey*>(this)->find(path));
}

const RegistryKey* RegistryKey::find(std::string_view path) const
{
    const RegistryKey* key = this;
    while (key && !path.empty()) {
        auto it = key->subKeys_.find(TakeName(path));
        key = it == key->subKeys_.end() ? nullptr : it->second.get();
    }
    return key;
}

RegistryKey& RegistryKey::create(std::string_view path)
{
    RegistryKey* key = this;
    while (!path.empty()) {
        const std::string_view name = TakeName(path);
        if (!IsValidKeyName(name))
            throw RegistryError("invalid registry key name \"" + std::string(name) + "\"");
        auto it = key->subKeys_.find(name);
        if (it == key->subKeys_.end()) it = key->subKeys_.emplace(std::string(name), std::make_unique<RegistryKey>()).first;
        key = it->second.get();
    }
    return *key;
}

bool RegistryKey::remove(std::string_view path)
{
    const size_t slash = path.rfind('\\');
    RegistryKey* parent = slash == std::string_view::npos ? this : find(path.substr(0, slash));
    if (!parent) return false;
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    auto it = parent->subKeys_.find(name);
    if (it == parent->subKeys_.end()) return false;
    parent->subKeys_.erase(it);
    return true;
}

void RegistryKey::setValue(std::string_view name, RegistryValue value)
{
    auto it = values_.find(name);
    if (it == values_.end())
        values_.emplace(std::string(name), std::move(value));
    else
        it->second = std::move(value);
}

const RegistryValue* RegistryKey::value(std::string_view name) const
{
    auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

const std::string* RegistryKey::text(std::string_view name) const
{
    const RegistryValue* v = value(name);
    return v ? std::get_if<std::string>(v) : nullptr;
}

bool RegistryKey::removeValue(std::string_view name)
{
    auto it = values_.find(name);
    if (it == values_.end()) return false;
    values_.erase(it);
    return true;
}
