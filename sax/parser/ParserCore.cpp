#include "ParserCore.h"

#include <stdexcept>

#include "AXMLParserException.h"
#include "InputDecoder.h"
#include "Scanner.h"

namespace sax {
namespace {

// Stands in for an absent content sink: every event is dropped.
ContentSink& DiscardingSink()
{
    static ContentSink sink;
    return sink;
}

}  // namespace

ParserCore::ParserCore() : classes_(std::make_unique<CharClassTable>()) {}

ParserCore::~ParserCore() = default;

int32_t ParserCore::lineNumber() const { return running_ ? running_->line() : finalLine_; }

int32_t ParserCore::columnNumber() const { return running_ ? running_->column() : finalColumn_; }

void ParserCore::parse(ByteSource& source, bool sixteenBitInput)
{
    if (used_) throw std::logic_error("ParserCore serves one parse only");
    used_ = true;

    InputDecoder input(source, sixteenBitInput);
    encodingName_ = input.byteOrderMarkFound() ? u"UTF-16" : sixteenBitInput ? u"UNICODE" : u"UTF-8";
    ContentSink& sink = contentSink_ ? *contentSink_ : DiscardingSink();
    Scanner scanner(settings_, sink, input, *classes_, encodingName_);

    struct Finish {  // keeps the final position whichever way the parse ends
        ParserCore& core;
        const InputDecoder& input;
        ~Finish()
        {
            core.finalLine_ = input.line();
            core.finalColumn_ = input.column();
            core.running_ = nullptr;
        }
    } finish{*this, input};
    running_ = &input;

    sink.setLocator(*this);
    try {
        scanner.run();
    } catch (const AXMLParserException&) {
        const CSAXParseException error(scanner.message(), input.line(), input.column());
        if (errorSink_) errorSink_->fatalError(error);
        throw error;
    }
}

}  // namespace sax
