#pragma once

#include "SAXExceptions.h"

namespace sax {

// Told about the error that stopped a parse, before the parse exception
// leaves ParserCore::parse.
class ErrorSink {
public:
    virtual ~ErrorSink() = default;
    virtual void fatalError(const CSAXParseException& error) = 0;
};

}  // namespace sax
