#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "AttributeList.h"
#include "DescriptionFormat.h"

namespace velk {

// A lower-case attribute name to look up. Its key (its length and first
// seven characters in one word) is worked out while compiling, so a look-up
// compares one word per attribute.
class AttributeName {
public:
    static constexpr size_t kKeyChars = 7;
    // The key from the name's length and its first characters as one
    // little-endian word, zero past the name's end.
    static constexpr uint64_t KeyOfWord(size_t length, uint64_t firstChars)
    {
        return static_cast<uint64_t>(std::min<size_t>(length, 0xFF)) << 56 | (firstChars & 0x00FFFFFFFFFFFFFFull);
    }
    static constexpr uint64_t KeyOf(std::string_view name)
    {
        uint64_t firstChars = 0;
        for (size_t i = 0; i < name.size() && i < kKeyChars; ++i)
            firstChars |= static_cast<uint64_t>(static_cast<unsigned char>(name[i])) << (8 * i);
        return KeyOfWord(name.size(), firstChars);
    }

    consteval AttributeName(const char* lowerName) : text(lowerName), key(KeyOf(text)) {}

    const std::string_view text;
    const uint64_t key;  // names of up to seven characters are equal when their keys are
};

// The attributes of one start element read once, names lower-cased, so
// that looking several of them up does not read the list again each time.
// One object serves element after element and keeps its storage, so a
// parse does not allocate per element. The texts it gives are valid until
// the next Read.
class ElementAttributes {
public:
    // Replaces the attributes with those of `attributes`. A list that fails
    // while it is read keeps the attributes read before.
    void Read(const AttributeList& attributes);

    // As GetAttribute: the value of the last attribute of that name (in any
    // letter case in the file), or "GANone".
    std::string_view Get(AttributeName name) const { return Find(name).value_or(format::NoText); }
    // The same value, or nothing when no attribute has that name. Inline:
    // the loader looks up a few names in every element.
    std::optional<std::string_view> Find(AttributeName name) const
    {
        for (size_t i = count_; i-- > 0;) {
            const Entry& entry = entries_[i];
            if (entry.key == name.key && SameTail(entry.name.view(), name.text)) return entry.value.view();
        }
        return std::nullopt;
    }

private:
    // For names with equal keys: whether the characters past the key agree too.
    static bool SameTail(std::string_view a, std::string_view b)
    {
        if (b.size() <= AttributeName::kKeyChars) return true;
        if (a.size() != b.size()) return false;
        for (size_t i = AttributeName::kKeyChars; i < b.size(); ++i)
            if (a[i] != b[i]) return false;
        return true;
    }

    struct Entry {
        TextSlot name;  // lower-cased
        TextSlot value;
        uint64_t key = 0;  // the name's
    };
    std::vector<Entry> entries_;
    size_t count_ = 0;  // the entries of the current element; later ones are spare storage
};

}  // namespace velk
