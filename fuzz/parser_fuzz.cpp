// Fuzz entry for ParserCore. The first byte picks the settings and how the
// bytes arrive; the rest is the document. Any outcome but a clean parse or
// a CSAXParseException is a finding (the sanitizers report the rest).
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "ContentSink.h"
#include "MemoryByteSource.h"
#include "ParserCore.h"

namespace {

// Reads every string of every event, so that a view past its data shows up.
class TouchingSink final : public sax::ContentSink {
public:
    void startPrefixMapping(std::u16string_view prefix, std::u16string_view uri) override { touch(prefix), touch(uri); }
    void endPrefixMapping(std::u16string_view prefix) override { touch(prefix); }
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      sax::AttributeList attributes) override
    {
        touch(uri), touch(localName), touch(rawName);
        for (const sax::Attribute& a : attributes) touch(a.uri), touch(a.localName), touch(a.rawName), touch(a.value);
    }
    void endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName) override
    {
        touch(uri), touch(localName), touch(rawName);
    }
    void processingInstruction(std::u16string_view target, std::u16string_view data) override { touch(target), touch(data); }
    void characters(std::u16string_view text, int32_t, int32_t) override { touch(text); }
    void comment(std::u16string_view text) override { touch(text); }
    void cdata(std::u16string_view text) override { touch(text); }

    unsigned sum = 0;

private:
    void touch(std::u16string_view text)
    {
        for (char16_t c : text) sum += c;
    }
};

// Hands the bytes out in pieces of 1 to 7, to cross chunk boundaries everywhere.
class TricklingSource final : public sax::ByteSource {
public:
    TricklingSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t read(unsigned char* buffer, size_t capacity) override
    {
        const size_t count = std::min({capacity, size_ - offset_, size_t{1} + offset_ % 7});
        std::copy_n(data_ + offset_, count, buffer);
        offset_ += count;
        return count;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const uint8_t options = data[0];
    ++data, --size;

    sax::ParserCore parser;
    TouchingSink sink;
    parser.setContentSink(&sink);
    parser.setFeature(sax::ParserSettings::kNamespacesFeature, options & 0x01);
    parser.setProperty(sax::ParserSettings::kPreserveSpaceProperty, options & 0x02 ? u"Yes" : u"No");
    parser.setProperty(sax::ParserSettings::kExpandCdataProperty, options & 0x04 ? u"No" : u"Yes");
    parser.setFeature(sax::ParserSettings::kInlineEncodingFeature, !(options & 0x08));
    const bool sixteenBit = options & 0x10;
    sax::MemoryByteSource whole(std::span<const unsigned char>(data, size));
    TricklingSource trickling(data, size);
    try {
        parser.parse(options & 0x20 ? static_cast<sax::ByteSource&>(trickling) : whole, sixteenBit);
    } catch (const sax::CSAXParseException&) {
    }
    return 0;
}
