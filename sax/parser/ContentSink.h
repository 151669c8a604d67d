#pragma once

#include <cstdint>
#include <string_view>

#include "Attribute.h"
#include "Locator.h"

namespace sax {

// Receives the document as events. Strings are valid only during the call.
// Every member does nothing unless overridden, so a sink takes what it needs.
// The names and URI of startElement and endElement are counted text
// (CountedText.h), so that a sink can lend them on without copying.
class ContentSink {
public:
    virtual ~ContentSink() = default;
    virtual void startDocument() {}
    virtual void endDocument() {}
    virtual void startPrefixMapping(std::u16string_view /*prefix*/, std::u16string_view /*uri*/) {}
    virtual void endPrefixMapping(std::u16string_view /*prefix*/) {}
    virtual void startElement(std::u16string_view /*uri*/, std::u16string_view /*localName*/,
                              std::u16string_view /*rawName*/, AttributeList /*attributes*/) {}
    virtual void endElement(std::u16string_view /*uri*/, std::u16string_view /*localName*/,
                            std::u16string_view /*rawName*/) {}
    virtual void processingInstruction(std::u16string_view /*target*/, std::u16string_view /*data*/) {}
    // start is always 0 and length the size of text.
    virtual void characters(std::u16string_view /*text*/, int32_t /*start*/, int32_t /*length*/) {}
    virtual void setLocator(const Locator& /*locator*/) {}
    // Part of the interface for the reader's sake; the scanner never calls these two.
    virtual void ignorableWhitespace(std::u16string_view /*text*/, int32_t /*start*/, int32_t /*length*/) {}
    virtual void skippedEntity(std::u16string_view /*name*/) {}
    virtual void comment(std::u16string_view /*text*/) {}
    virtual void cdata(std::u16string_view /*text*/) {}
};

}  // namespace sax
