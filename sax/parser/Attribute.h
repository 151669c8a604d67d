#pragma once

#include <span>
#include <string_view>

namespace sax {

// One attribute of the element being started, in document order. With
// namespace processing off, uri and localName are empty. The strings belong
// to the scanner and are valid only during the startElement call.
struct Attribute {
    std::u16string_view uri;
    std::u16string_view localName;
    std::u16string_view rawName;
    std::u16string_view value;
};

// The attributes handed to startElement; valid only during that call.
using AttributeList = std::span<const Attribute>;

}  // namespace sax
