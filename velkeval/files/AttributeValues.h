#pragma once

#include <cstdint>
#include <string_view>

namespace velk {

// The value syntax of description and values file attributes. None of them
// throws: text that does not convert gives the fallback.

// A signed 16-bit decimal number, blanks around it allowed; "&H" and "&O"
// in front read the rest as hexadecimal or octal digits.
int16_t DecimalValue(std::string_view text, int16_t fallback);

// A number in a radix ("hex", "oct", "bin" in any letter case; anything
// else reads as decimal, as DecimalValue does).
int16_t RadixValue(std::string_view text, std::string_view radix, int16_t fallback);

// A colour: hexadecimal digits as a signed 32-bit number; 0 when unreadable.
int32_t ColourValue(std::string_view text);

// "True" or "False" in any letter case, or a decimal number (0 false,
// anything else true).
bool BooleanValue(std::string_view text, bool fallback);

}  // namespace velk
