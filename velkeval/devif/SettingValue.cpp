#include "SettingValue.h"

#include <charconv>
#include <limits>

#include "LinkError.h"

namespace velk {
namespace {

std::string Describe(const SettingValue& value)
{
    if (const auto* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
    return "\"" + std::get<std::string>(value) + "\"";
}

}  // namespace

int16_t SettingToInt16(const SettingValue& value, std::string_view name)
{
    int64_t number = 0;
    bool converted = true;
    if (const auto* given = std::get_if<int64_t>(&value)) {
        number = *given;
    } else {
        std::string_view text = std::get<std::string>(value);
        const size_t first = text.find_first_not_of(' ');
        text = first == std::string_view::npos ? std::string_view() : text.substr(first, text.find_last_not_of(' ') - first + 1);
        if (!text.empty() && text[0] == '+') text.remove_prefix(1);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        converted = !text.empty() && error == std::errc() && end == text.data() + text.size();
    }
    if (!converted || number < std::numeric_limits<int16_t>::min() || number > std::numeric_limits<int16_t>::max())
        throw LinkError(std::string(name) + ": " + Describe(value) + " is not a 16-bit number");
    return static_cast<int16_t>(number);
}

uint16_t LptPortSetting(const SettingValue& value)
{
    const int16_t port = SettingToInt16(value, "LPTPORT");
    if (port < 0) throw LinkError("LPTPORT: " + Describe(value) + " is not a port base (it is negative)");
    return static_cast<uint16_t>(port);
}

}  // namespace velk
