#pragma once

#include <span>
#include <string>

namespace sax {

// One attribute of the element being started, in document order. With
// namespace processing off, uri and localName are empty.
struct Attribute {
    std::u16string uri;
    std::u16string localName;
    std::u16string rawName;
    std::u16string value;
};

// The attributes handed to startElement; valid only during that call.
using AttributeList = std::span<const Attribute>;

}  // namespace sax
