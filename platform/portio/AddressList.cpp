#include "AddressList.h"

#include <charconv>

#include "Ports.h"

namespace portio {

unsigned ParseNumber(std::string_view text, unsigned max, std::string_view what)
{
    int base = 10;
    std::string_view digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size() || value > max)
        throw PortError(std::string(what) + ": \"" + std::string(text) + "\" is not a number from 0 to " +
                        std::to_string(max));
    return value;
}

AnsweringSet ParseAddressList(std::string_view text)
{
    static constexpr std::string_view separators = ", \t";
    AnsweringSet set;
    size_t start = text.find_first_not_of(separators);
    if (start != std::string_view::npos && text.substr(start, 3) == "all" &&
        text.find_first_not_of(separators, start + 3) == std::string_view::npos)
        return set.set();
    while (start != std::string_view::npos) {
        const size_t end = std::min(text.find_first_of(separators, start), text.size());
        set.set(ParseNumber(text.substr(start, end - start), 127, "7-bit I2C address"));
        start = text.find_first_not_of(separators, end);
    }
    return set;
}

}  // namespace portio
