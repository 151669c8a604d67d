#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ContentSink.h"
#include "ErrorSink.h"

namespace saxtest {

// Writes every event as one line of text, for comparing whole sequences:
//   start(uri,local,raw)[uri,local,raw=value;...]  end(uri,local,raw)  chars(text)
//   pi(target|data)  comment(text)  cdata(text)  prefix(p=uri)  endprefix(p)
//   error(message)@line:column  (from the error sink)
class RecordingSink final : public sax::ContentSink, public sax::ErrorSink {
public:
    std::vector<std::string> events;

    void startDocument() override;
    void endDocument() override;
    void startPrefixMapping(std::u16string_view prefix, std::u16string_view uri) override;
    void endPrefixMapping(std::u16string_view prefix) override;
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      sax::AttributeList attributes) override;
    void endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName) override;
    void processingInstruction(std::u16string_view target, std::u16string_view data) override;
    void characters(std::u16string_view text, int32_t start, int32_t length) override;
    void setLocator(const sax::Locator& locator) override;
    void comment(std::u16string_view text) override;
    void cdata(std::u16string_view text) override;
    void fatalError(const sax::CSAXParseException& error) override;
};

struct ParseOptions {
    bool namespaces = true;
    bool preserveSpace = false;
    bool expandCdata = true;
    bool inlineEncoding = true;
};

struct ParseOutcome {
    std::vector<std::string> events;  // including the error sink's line, if any
    bool succeeded = false;
    std::string message;              // of the thrown CSAXParseException
    int32_t line = 0;
    int32_t column = 0;
    std::string encodingName;
};

ParseOutcome ParseBytes(std::string_view bytes, ParseOptions options = {});
ParseOutcome ParseUnits(std::u16string_view units, ParseOptions options = {});

// The events between startDocument and endDocument of a successful parse.
std::vector<std::string> Body(const ParseOutcome& outcome);

}  // namespace saxtest
