#include "SAXExceptions.h"

namespace sax {
namespace {

// what() is for logs and test output: ASCII kept, everything else shown as "?".
std::string Narrow(const std::u16string& text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (char16_t c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return narrow;
}

}  // namespace

CSAXException::CSAXException(std::u16string message) : std::runtime_error(Narrow(message)), message_(std::move(message))
{
}

CSAXParseException::CSAXParseException(std::u16string message, int32_t line, int32_t column)
    : CSAXException(std::move(message)), line_(line), column_(column)
{
}

}  // namespace sax
