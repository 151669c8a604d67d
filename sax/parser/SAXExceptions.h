#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace sax {

// A failure reported to the client, with its 16-bit message text.
class CSAXException : public std::runtime_error {
public:
    explicit CSAXException(std::u16string message);
    const std::u16string& message() const { return message_; }

private:
    std::u16string message_;
};

// A parse failure: the message (possibly empty) and where the parse stopped.
class CSAXParseException : public CSAXException {
public:
    CSAXParseException(std::u16string message, int32_t line, int32_t column);

    const std::u16string& publicId() const { return publicId_; }
    const std::u16string& systemId() const { return systemId_; }
    int32_t line() const { return line_; }
    int32_t column() const { return column_; }

private:
    std::u16string publicId_;  // always empty: no external entity is ever read
    std::u16string systemId_;
    int32_t line_;
    int32_t column_;
};

}  // namespace sax
