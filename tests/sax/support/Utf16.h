#pragma once

#include <string>
#include <string_view>

namespace saxtest {

// UTF-16 to UTF-8 (a lone surrogate becomes U+FFFD), for readable test output
// and for comparing with parsers that report UTF-8.
std::string Utf8(std::u16string_view text);
// ASCII or UTF-8 test text to UTF-16.
std::u16string Utf16(std::string_view text);

}  // namespace saxtest
