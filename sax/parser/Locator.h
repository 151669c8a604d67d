#pragma once

#include <cstdint>
#include <string_view>

namespace sax {

// Where the parse stands: line and column from 1; the identifiers are always empty.
class Locator {
public:
    virtual ~Locator() = default;
    virtual std::u16string_view publicId() const = 0;
    virtual std::u16string_view systemId() const = 0;
    virtual int32_t lineNumber() const = 0;
    virtual int32_t columnNumber() const = 0;
};

}  // namespace sax
