#pragma once

#include <cstdint>
#include <string>

namespace velk::cli {

// An operand as decimal or 0x-hexadecimal text within 0..max; UsageError
// naming `what` otherwise.
uint32_t ParseOperand(const std::string& text, uint32_t max, const std::string& what);

// A value as get prints it: in the radix ("dec", "hex" with 0x, "oct" with
// 0o, "bin" with 0b), or decimal and hexadecimal when radix is empty.
std::string FormatValue(uint32_t value, const std::string& radix);

}  // namespace velk::cli
