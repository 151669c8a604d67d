#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace portio {

// The 7-bit I2C addresses that answer on the simulated board.
using AnsweringSet = std::bitset<128>;

// "all", or 7-bit addresses separated by commas or blanks, each decimal or
// hexadecimal with 0x ("0x4C, 0x50"). Throws PortError naming the first
// word that is not a 7-bit address.
AnsweringSet ParseAddressList(std::string_view text);

// A number as decimal or 0x-hexadecimal text, within 0..max; throws
// PortError with what in the description otherwise.
unsigned ParseNumber(std::string_view text, unsigned max, std::string_view what);

}  // namespace portio
