#pragma once

#include <string>
#include <string_view>

namespace velk::cli {

// Text as a JSON string, quotes included: quote, backslash and control
// characters escaped, everything else (UTF-8) kept.
std::string JsonQuoted(std::string_view text);

}  // namespace velk::cli
