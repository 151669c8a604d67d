#pragma once

#include <cstdint>
#include <string_view>

namespace velk {

// The elements of descriptions and values files that the readers act on,
// told apart by one look-up of the name instead of comparing it with each
// name in turn. Names are compared exactly, letter case included; "italic"
// is the same element as "italics".
enum class ElementKind : uint8_t {
    Other, File, Author, Modified, Device, Group, Field, Pos, DefaultValue, NameFg, NameBg, NameBold, NameItalic,
    Inhouse, Reserved, Control, GroupControl, Caption, Max, Min, Fg, Bg, Radix, Height, Width, Bold, Italics,
    Justify, Tooltip, IndexValue, DeviceValues, RegisterVal
};

ElementKind KindOfElement(std::string_view name);

}  // namespace velk
