#include "AttributeValues.h"

#include <optional>

#include "Conversions.h"
#include "TextCase.h"

namespace velk {
namespace {

std::string_view WithoutBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A plain count of at most four digits, as nearly every number in a
// description is, read at once; anything else is left to TextToInt.
std::optional<int16_t> ShortDigits(std::string_view text)
{
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return static_cast<int16_t>(value);
}

}  // namespace

int16_t DecimalValue(std::string_view text, int16_t fallback)
{
    if (const auto digits = ShortDigits(text)) return *digits;
    const std::string_view trimmed = WithoutBlanks(text);
    if (trimmed.size() > 2 && trimmed[0] == '&') {
        const char prefix = trimmed[1];
        if (prefix == 'H' || prefix == 'h') return TextToInt(trimmed.substr(2), fallback, "hex");
        if (prefix == 'O' || prefix == 'o') return TextToInt(trimmed.substr(2), fallback, "oct");
    }
    return TextToInt(trimmed, fallback, "dec");
}

int16_t RadixValue(std::string_view text, std::string_view radix, int16_t fallback)
{
    const std::string lower = LowerCase(radix);
    if (lower == "hex" || lower == "oct" || lower == "bin") return TextToInt(text, fallback, lower);
    return DecimalValue(text, fallback);
}

int32_t ColourValue(std::string_view text) { return HexToLong(text).value_or(0); }

bool BooleanValue(std::string_view text, bool fallback)
{
    const std::string lower = LowerCase(WithoutBlanks(text));
    if (lower == "true") return true;
    if (lower == "false") return false;
    // A readable number comes back the same whichever fallback is given.
    const int32_t number = TextToLong(lower, 0, "dec");
    if (number != TextToLong(lower, 1, "dec")) return fallback;
    return number != 0;
}

}  // namespace velk
