#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ByteSource.h"
#include "CharClassTable.h"
#include "ContentSink.h"
#include "ErrorSink.h"
#include "Locator.h"
#include "ParserSettings.h"

namespace sax {

class InputDecoder;

// The single-pass, non-validating XML scanner. One instance serves one
// parse: configure it, call parse once, drop it.
class ParserCore final : public Locator {
public:
    ParserCore();
    ~ParserCore() override;

    // Either sink may be absent: then no events are delivered / no error is reported.
    void setContentSink(ContentSink* sink) { contentSink_ = sink; }
    void setErrorSink(ErrorSink* sink) { errorSink_ = sink; }

    void setProperty(std::u16string_view name, std::u16string_view value) { settings_.setProperty(name, value); }
    std::u16string getProperty(std::u16string_view name) const { return settings_.getProperty(name); }
    void setFeature(std::u16string_view name, bool on) { settings_.setFeature(name, on); }
    bool getFeature(std::u16string_view name) const { return settings_.getFeature(name); }

    // Parses one document: bytes (byte-order mark test, UTF-8 by default) or,
    // with sixteenBitInput, 16-bit units low byte first. Returns on success;
    // on the first error hands a CSAXParseException to the error sink and throws it.
    void parse(ByteSource& source, bool sixteenBitInput);

    // "UTF-8", "UNICODE", "UTF-16", "LENIENT" or the declared encoding.
    const std::u16string& encodingName() const { return encodingName_; }

    std::u16string_view publicId() const override { return {}; }
    std::u16string_view systemId() const override { return {}; }
    int32_t lineNumber() const override;
    int32_t columnNumber() const override;

private:
    ParserSettings settings_;
    ContentSink* contentSink_ = nullptr;
    ErrorSink* errorSink_ = nullptr;
    std::unique_ptr<CharClassTable> classes_;
    std::u16string encodingName_;
    const InputDecoder* running_ = nullptr;  // the input while a parse runs
    int32_t finalLine_ = 1;
    int32_t finalColumn_ = 1;
    bool used_ = false;
};

}  // namespace sax
