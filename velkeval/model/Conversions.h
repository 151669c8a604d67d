#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velk {

// Text to a signed 16-bit number in a radix ("dec", "hex", "oct", "bin",
// compared lower-cased; anything else reads as "dec"). "hex" and "oct" read
// up to 16 bits as two's complement (FFFF is -1). Empty text, a character
// that is not a digit of the radix, or a number outside the 16-bit range
// give the fallback; this never throws.
int16_t TextToInt(std::string_view text, int16_t fallback, std::string_view radix);

// The same with a 32-bit result; knows "dec", "hex" and "oct" only.
int32_t TextToLong(std::string_view text, int32_t fallback, std::string_view radix);

// Binary digits to a number: each "1" adds one after doubling, any other
// character counts as 0. Throws ModelError when the result passes 32767.
int16_t BinToInt(std::string_view text);

// Binary digits of a value, at least `width` of them (zeros in front); a
// value below 1 gives only the zeros.
std::string IntToBin(int16_t value, int16_t width);

// Bit `bit` of value (0 = least significant), as Int(value / 2^bit) AND 1.
int16_t GetBit(int32_t value, int32_t bit);

// The value raised to min and lowered to max; unchanged when max is -1.
int16_t ClampValue(int16_t value, int16_t min, int16_t max);

// A value as a control shows it in a radix compared exactly: "hex" upper-case
// digits (negative as four two's complement digits), "oct", "bin" eight or
// more binary digits, anything else decimal.
std::string ValueToText(int16_t value, std::string_view radix);

// Hexadecimal digits (up to eight, blanks around them allowed) as a 32-bit
// two's complement number, or nothing when the text is not such a number.
std::optional<int32_t> HexToLong(std::string_view text);

// Upper-case hexadecimal without leading zeros; negative values as their
// two's complement (four digits for 16 bits, eight for 32).
std::string Hex16(int16_t value);
std::string Hex32(int32_t value);

// Hex16 with a "0" in front of a single digit (register address texts).
std::string AddressHex(int16_t value);

// Nearest integer, ties to the even neighbour.
double RoundHalfEven(double value);

}  // namespace velk
