// A million nested elements: the scanner keeps its own stack, so this parses
// (or fails with a message) instead of overflowing the native stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "MemoryByteSource.h"
#include "ParserCore.h"

using namespace sax;

namespace {

constexpr int kDepth = 1'000'000;

class DepthSink final : public ContentSink {
public:
    void startElement(std::u16string_view, std::u16string_view, std::u16string_view, AttributeList) override
    {
        maxDepth = std::max(maxDepth, ++depth);
    }
    void endElement(std::u16string_view, std::u16string_view localName, std::u16string_view) override
    {
        if (localName == u"a") --depth;
    }
    void endDocument() override { ended = true; }

    int depth = 0;
    int maxDepth = 0;
    bool ended = false;
};

std::string Nested(int depth, const std::string& open, const std::string& close)
{
    std::string document;
    document.reserve(static_cast<size_t>(depth) * (open.size() + close.size()));
    for (int i = 0; i < depth; ++i) document += open;
    for (int i = 0; i < depth; ++i) document += close;
    return document;
}

}  // namespace

TEST(DeepNesting, MillionLevelsParseWithNamespaces)
{
    const std::string document = Nested(kDepth, "<a xmlns:p='u'>", "</a>");
    ParserCore parser;
    DepthSink sink;
    parser.setContentSink(&sink);
    MemoryByteSource source(document);
    parser.parse(source, false);
    EXPECT_TRUE(sink.ended);
    EXPECT_EQ(sink.maxDepth, kDepth);
    EXPECT_EQ(sink.depth, 0);
}

TEST(DeepNesting, MillionLevelsWithoutEndTagsFailCleanly)
{
    const std::string document = Nested(kDepth, "<a>", "");
    ParserCore parser;
    MemoryByteSource source(document);
    try {
        parser.parse(source, false);
        FAIL() << "an unclosed document parsed";
    } catch (const CSAXParseException& error) {
        EXPECT_EQ(error.message(), u"Expecting element content");
        EXPECT_EQ(error.column(), 3 * kDepth + 1);
    }
}
