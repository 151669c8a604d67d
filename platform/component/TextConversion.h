#pragma once

#include <string>
#include <string_view>

// Conversions at the edges between the component's 16-bit strings and UTF-8.
// A lone surrogate becomes U+FFFD; malformed UTF-8 bytes become U+FFFD each.
std::string Utf8FromUtf16(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);
