#include "RecordingSink.h"

#include "MemoryByteSource.h"
#include "ParserCore.h"
#include "Utf16.h"

namespace saxtest {

void RecordingSink::startDocument() { events.push_back("startDocument"); }

void RecordingSink::endDocument() { events.push_back("endDocument"); }

void RecordingSink::startPrefixMapping(std::u16string_view prefix, std::u16string_view uri)
{
    events.push_back("prefix(" + Utf8(prefix) + "=" + Utf8(uri) + ")");
}

void RecordingSink::endPrefixMapping(std::u16string_view prefix) { events.push_back("endprefix(" + Utf8(prefix) + ")"); }

void RecordingSink::startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                                 sax::AttributeList attributes)
{
    std::string line = "start(" + Utf8(uri) + "," + Utf8(localName) + "," + Utf8(rawName) + ")[";
    for (size_t i = 0; i < attributes.size(); ++i) {
        const sax::Attribute& a = attributes[i];
        line += (i ? ";" : "") + Utf8(a.uri) + "," + Utf8(a.localName) + "," + Utf8(a.rawName) + "=" + Utf8(a.value);
    }
    events.push_back(line + "]");
}

void RecordingSink::endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName)
{
    events.push_back("end(" + Utf8(uri) + "," + Utf8(localName) + "," + Utf8(rawName) + ")");
}

void RecordingSink::processingInstruction(std::u16string_view target, std::u16string_view data)
{
    events.push_back("pi(" + Utf8(target) + "|" + Utf8(data) + ")");
}

void RecordingSink::characters(std::u16string_view text, int32_t start, int32_t length)
{
    // The scanner always passes the whole text; anything else is recorded as a fault.
    const bool whole = start == 0 && length == static_cast<int32_t>(text.size());
    events.push_back((whole ? "chars(" : "BADCHARS(") + Utf8(text) + ")");
}

void RecordingSink::setLocator(const sax::Locator&) { events.push_back("setLocator"); }

void RecordingSink::comment(std::u16string_view text) { events.push_back("comment(" + Utf8(text) + ")"); }

void RecordingSink::cdata(std::u16string_view text) { events.push_back("cdata(" + Utf8(text) + ")"); }

void RecordingSink::fatalError(const sax::CSAXParseException& error)
{
    events.push_back("error(" + Utf8(error.message()) + ")@" + std::to_string(error.line()) + ":" +
                     std::to_string(error.column()));
}

namespace {

ParseOutcome Parse(sax::ByteSource& source, bool sixteenBit, ParseOptions options)
{
    sax::ParserCore parser;
    RecordingSink sink;
    parser.setContentSink(&sink);
    parser.setErrorSink(&sink);
    parser.setFeature(sax::ParserSettings::kNamespacesFeature, options.namespaces);
    parser.setFeature(sax::ParserSettings::kInlineEncodingFeature, options.inlineEncoding);
    parser.setProperty(sax::ParserSettings::kPreserveSpaceProperty, options.preserveSpace ? u"Yes" : u"No");
    parser.setProperty(sax::ParserSettings::kExpandCdataProperty, options.expandCdata ? u"Yes" : u"No");
    ParseOutcome outcome;
    try {
        parser.parse(source, sixteenBit);
        outcome.succeeded = true;
    } catch (const sax::CSAXParseException& error) {
        outcome.message = Utf8(error.message());
        outcome.line = error.line();
        outcome.column = error.column();
    }
    outcome.events = std::move(sink.events);
    outcome.encodingName = Utf8(parser.encodingName());
    return outcome;
}

}  // namespace

ParseOutcome ParseBytes(std::string_view bytes, ParseOptions options)
{
    sax::MemoryByteSource source(bytes);
    return Parse(source, false, options);
}

ParseOutcome ParseUnits(std::u16string_view units, ParseOptions options)
{
    sax::MemoryByteSource source(units);
    return Parse(source, true, options);
}

std::vector<std::string> Body(const ParseOutcome& outcome)
{
    if (!outcome.succeeded || outcome.events.size() < 3) return {"parse failed: " + outcome.message};
    return {outcome.events.begin() + 2, outcome.events.end() - 1};
}

}  // namespace saxtest
