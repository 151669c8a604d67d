#include "Conversions.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "ModelError.h"
#include "TextCase.h"

namespace velk {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number with an optional sign and fraction, rounded to the
// nearest integer with ties to even, when it lies within lo..hi.
std::optional<long long> ParseDecimal(std::string_view text, long long lo, long long hi)
{
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;

    const long long limit = std::max(-lo, hi) + 1;  // magnitude past which nothing fits
    long long magnitude = 0;
    for (char c : whole) {
        if (!IsDigit(c)) return std::nullopt;
        magnitude = std::min(limit, magnitude * 10 + (c - '0'));
    }
    for (char c : fraction)
        if (!IsDigit(c)) return std::nullopt;

    // Round on the digits themselves so that a tie is recognised exactly.
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        const bool up = first > '5' || (first == '5' && (restNonZero || magnitude % 2 == 1));
        if (up) magnitude = std::min(limit, magnitude + 1);
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

// Digits of base 16 or 8 as an unsigned number of at most `bits` bits; the
// callers' narrowing casts read it as that width's two's complement.
std::optional<long long> ParseLiteral(std::string_view text, int base, int bits)
{
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    const long long unsignedLimit = 1LL << bits;
    long long value = 0;
    for (char c : text) {
        int digit;
        if (IsDigit(c)) digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value >= unsignedLimit) return std::nullopt;
    }
    return value;
}

std::string UnsignedText(unsigned long long value, unsigned base)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % base]);
        value /= base;
    } while (value != 0);
    return text;
}

enum class Radix { Hex, Oct, Bin, Other };

// The radix a name stands for, in any letter case. Names are nearly always
// ASCII and are compared where they lie; others go through LowerCase.
Radix RadixNamed(std::string_view name)
{
    if (name.size() != 3) return Radix::Other;
    char lower[3];
    for (size_t i = 0; i < 3; ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 0x80) return RadixNamed(LowerCase(name));
        lower[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    const std::string_view text(lower, 3);
    if (text == "hex") return Radix::Hex;
    if (text == "oct") return Radix::Oct;
    if (text == "bin") return Radix::Bin;
    return Radix::Other;
}

}  // namespace

int16_t TextToInt(std::string_view text, int16_t fallback, std::string_view radix)
{
    const Radix named = RadixNamed(radix);
    std::optional<long long> value;
    if (named == Radix::Hex) {
        value = ParseLiteral(text, 16, 16);
    } else if (named == Radix::Oct) {
        value = ParseLiteral(text, 8, 16);
    } else if (named == Radix::Bin) {
        if (text.empty()) return fallback;
        try {
            return BinToInt(text);
        } catch (const ModelError&) {
            return fallback;
        }
    } else {
        value = ParseDecimal(text, INT16_MIN, INT16_MAX);
    }
    return value ? static_cast<int16_t>(*value) : fallback;
}

int32_t TextToLong(std::string_view text, int32_t fallback, std::string_view radix)
{
    const Radix named = RadixNamed(radix);
    std::optional<long long> value;
    if (named == Radix::Hex)
        return HexToLong(text).value_or(fallback);
    if (named == Radix::Oct)
        value = ParseLiteral(text, 8, 32);
    else
        value = ParseDecimal(text, INT32_MIN, INT32_MAX);
    return value ? static_cast<int32_t>(*value) : fallback;
}

std::optional<int32_t> HexToLong(std::string_view text)
{
    const auto value = ParseLiteral(text, 16, 32);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(*value);
}

int16_t BinToInt(std::string_view text)
{
    int result = 0;
    for (char c : text) {
        result = result * 2 + (c == '1' ? 1 : 0);
        if (result > INT16_MAX)
            throw ModelError("BinToInt: overflow (\"" + std::string(text) + "\" has more than 15 significant binary digits)");
    }
    return static_cast<int16_t>(result);
}

std::string IntToBin(int16_t value, int16_t width)
{
    std::string text;
    for (int v = value; v >= 1; v /= 2) text.insert(text.begin(), v % 2 == 1 ? '1' : '0');
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), '0');
    return text;
}

int16_t GetBit(int32_t value, int32_t bit)
{
    if (bit < 0) return 0;  // value * 2^-bit is even
    if (bit > 31) bit = 31;  // only the sign is left
    return static_cast<int16_t>((value >> bit) & 1);  // arithmetic shift: Int() rounds down
}

int16_t ClampValue(int16_t value, int16_t min, int16_t max)
{
    if (max == -1) return value;
    if (value < min) value = min;
    if (value > max) value = max;
    return value;
}

std::string Hex16(int16_t value) { return UnsignedText(static_cast<uint16_t>(value), 16); }

std::string Hex32(int32_t value) { return UnsignedText(static_cast<uint32_t>(value), 16); }

std::string AddressHex(int16_t value)
{
    std::string text = Hex16(value);
    if (text.size() == 1) text.insert(text.begin(), '0');
    return text;
}

std::string ValueToText(int16_t value, std::string_view radix)
{
    if (radix == "hex") return Hex16(value);
    if (radix == "oct") return UnsignedText(static_cast<uint16_t>(value), 8);
    if (radix == "bin") return IntToBin(value, 8);
    return std::to_string(value);
}

double RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest > 0.5) return below + 1;
    if (rest < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace velk
