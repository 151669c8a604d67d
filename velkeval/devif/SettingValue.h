#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace velk {

// A value given to Configure: a number or a text.
using SettingValue = std::variant<int64_t, std::string>;

// The value as a 16-bit number: a number in range, or a text holding a
// whole decimal number (blanks around it allowed). Anything else is a
// LinkError naming the setting.
int16_t SettingToInt16(const SettingValue& value, std::string_view name);

// An "LPTPORT" value: a 16-bit number that is a port base, so not negative.
uint16_t LptPortSetting(const SettingValue& value);

}  // namespace velk
