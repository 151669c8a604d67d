#pragma once

#include <cstdint>
#include <string_view>

#include "KXSAX2.h"

// The reader's events as plain calls, whichever event interface delivered
// them. The strings and objects are the reader's, valid only during the call.
class EventHandler {
public:
    virtual ~EventHandler() = default;
    virtual void setLocator(ISAXLocator* locator) = 0;
    virtual void startDocument() = 0;
    virtual void endDocument() = 0;
    virtual void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                              ISAXAttributes* attributes) = 0;
    virtual void endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName) = 0;
    virtual void processingInstruction(std::u16string_view target, std::u16string_view data) = 0;
    virtual void characters(std::u16string_view text, int32_t length) = 0;
    virtual void comment(std::u16string_view text) = 0;
    virtual void cdata(std::u16string_view text) = 0;
    virtual void startPrefixMapping(std::u16string_view prefix, std::u16string_view uri) = 0;
    virtual void endPrefixMapping(std::u16string_view prefix) = 0;
};
