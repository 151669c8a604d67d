#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "TextBuffer.h"

namespace sax {

// Counted text: its size in bytes, 32 bits in native order, fills the two
// units just before it, and a 0 unit follows it. A sink can read the size
// from there and hand the text on as a length-prefixed string without
// copying it.
constexpr size_t kCountUnits = 2;

// Appends `text` to `storage` as counted text; returns where the text begins.
// One growth check for the count, the text and the terminator together.
inline size_t AppendCounted(TextBuffer& storage, std::u16string_view text)
{
    const auto bytes = static_cast<uint32_t>(text.size() * sizeof(char16_t));
    char16_t* at = storage.extend(kCountUnits + text.size() + 1);
    std::memcpy(at, &bytes, sizeof bytes);
    if (!text.empty()) std::memcpy(at + kCountUnits, text.data(), text.size() * sizeof(char16_t));
    at[kCountUnits + text.size()] = u'\0';
    return storage.size() - text.size() - 1;
}

// The empty string as counted text, for names that are empty (a URI where no
// namespace applies, say): nothing to append for it.
inline constexpr char16_t kEmptyCountedStorage[kCountUnits + 1] = {};
inline constexpr std::u16string_view kEmptyCounted{kEmptyCountedStorage + kCountUnits, 0};

// Whether `text` lies in counted storage (for checks in debug builds).
inline bool IsCounted(std::u16string_view text)
{
    uint32_t bytes;
    std::memcpy(&bytes, text.data() - kCountUnits, sizeof bytes);
    return bytes == text.size() * sizeof(char16_t) && text.data()[text.size()] == u'\0';
}

}  // namespace sax
