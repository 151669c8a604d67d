#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

// A registry value: text (UTF-8) or a 32-bit number.
using RegistryValue = std::variant<std::string, uint32_t>;

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Names of keys and values compare without regard to ASCII letter case and keep the case they were written in.
struct RegistryNameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// Whether RegistryKey::create takes `path`: none of its names is empty or
// holds a line break.
bool IsValidKeyPath(std::string_view path);

// One key of the registry tree: named sub-keys and named values. The value
// named "" is the key's default value. Paths separate key names with "\".
class RegistryKey {
public:
    using SubKeys = std::map<std::string, std::unique_ptr<RegistryKey>, RegistryNameLess>;
    using Values = std::map<std::string, RegistryValue, RegistryNameLess>;

    RegistryKey() = default;
    RegistryKey(const RegistryKey& other);
    RegistryKey& operator=(const RegistryKey& other);
    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;

    RegistryKey* find(std::string_view path);
    const RegistryKey* find(std::string_view path) const;
    // Opens the key at `path`, creating what is missing. A name that is
    // empty or holds a line break raises RegistryError.
    RegistryKey& create(std::string_view path);
    // Removes the key at `path` with everything below it; false when there was none.
    bool remove(std::string_view path);

    void setValue(std::string_view name, RegistryValue value);
    const RegistryValue* value(std::string_view name) const;
    // The value as text, or null when it is absent or a number.
    const std::string* text(std::string_view name) const;
    bool removeValue(std::string_view name);

    const SubKeys& subKeys() const { return subKeys_; }
    const Values& values() const { return values_; }

private:
    SubKeys subKeys_;
    Values values_;
};
