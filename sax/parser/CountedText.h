#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace sax {

// Counted text: its size in bytes, 32 bits in native order, fills the two
// units just before it, and a 0 unit follows it. A sink can read the size
// from there and hand the text on as a length-prefixed string without
// copying it.
constexpr size_t kCountUnits = 2;

// Appends `text` to `storage` as counted text; returns where the text begins.
inline size_t AppendCounted(std::u16string& storage, std::u16string_view text)
{
    const auto bytes = static_cast<uint32_t>(text.size() * sizeof(char16_t));
    char16_t count[kCountUnits];
    std::memcpy(count, &bytes, sizeof bytes);
    storage.append(count, kCountUnits);
    const size_t begin = storage.size();
    storage.append(text);
    storage.push_back(u'\0');
    return begin;
}

// Whether `text` lies in counted storage (for checks in debug builds).
inline bool IsCounted(std::u16string_view text)
{
    uint32_t bytes;
    std::memcpy(&bytes, text.data() - kCountUnits, sizeof bytes);
    return bytes == text.size() * sizeof(char16_t) && text.data()[text.size()] == u'\0';
}

}  // namespace sax
