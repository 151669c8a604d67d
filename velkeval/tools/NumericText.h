#pragma once

#include <optional>
#include <string_view>

namespace velk {

// The number a text box holds when its text is numeric: a decimal number
// with an optional sign and an optional fraction ("12", "-3.5", ".25",
// "7."), blanks around it allowed. Anything else (empty text, exponents,
// hexadecimal, a number too large for a double) gives nothing.
std::optional<double> NumericValue(std::string_view text);

}  // namespace velk
