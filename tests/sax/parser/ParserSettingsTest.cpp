#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "MemoryByteSource.h"
#include "ParserCore.h"
#include "Utf16.h"

using namespace sax;

namespace {

std::string RejectionText(const std::function<void()>& call)
{
    try {
        call();
    } catch (const CSAXParseException& error) {
        return saxtest::Utf8(error.message());
    }
    return "accepted";
}

}  // namespace

TEST(ParserSettings, DefaultsAndExactNames)
{
    ParserCore parser;
    EXPECT_EQ(parser.getProperty(u"ExpandCDATAIntoText"), u"Yes");
    EXPECT_EQ(parser.getProperty(u"PreserveSpace"), u"No");
    EXPECT_TRUE(parser.getFeature(u"http://xml.org/sax/features/namespaces"));

    parser.setProperty(u"PreserveSpace", u"Yes");
    EXPECT_EQ(parser.getProperty(u"PreserveSpace"), u"Yes");
    parser.setProperty(u"PreserveSpace", u"yes");  // only the exact text switches on
    EXPECT_EQ(parser.getProperty(u"PreserveSpace"), u"No");
    parser.setProperty(u"ExpandCDATAIntoText", u"No");
    EXPECT_EQ(parser.getProperty(u"ExpandCDATAIntoText"), u"No");

    // Both namespace names act on one switch.
    parser.setFeature(u"http://xml.org/sax/features/namespace-prefixes", false);
    EXPECT_FALSE(parser.getFeature(u"http://xml.org/sax/features/namespaces"));
    EXPECT_FALSE(parser.getFeature(u"http://xml.org/sax/features/namespace-prefixes"));
}

TEST(ParserSettings, UnknownNamesAreRejected)
{
    ParserCore parser;
    EXPECT_EQ(RejectionText([&] { parser.setProperty(u"preservespace", u"Yes"); }), "unknown property");
    EXPECT_EQ(RejectionText([&] { parser.getProperty(u"Other"); }), "unknown property");
    EXPECT_EQ(RejectionText([&] { parser.setFeature(u"http://xml.org/sax/features/validation", true); }),
              "unknown feature");
    // The inline-encoding feature can be set but not read back.
    EXPECT_EQ(RejectionText([&] { parser.setFeature(ParserSettings::kInlineEncodingFeature, false); }), "accepted");
    EXPECT_EQ(RejectionText([&] { parser.getFeature(ParserSettings::kInlineEncodingFeature); }), "unknown feature");
}

TEST(ParserCore, ServesOneParseAndKeepsTheFinalPosition)
{
    ParserCore parser;
    EXPECT_EQ(parser.publicId(), u"");
    EXPECT_EQ(parser.systemId(), u"");
    MemoryByteSource source("<r>\n</r>");
    parser.parse(source, false);  // no sinks: nothing is delivered, nothing fails
    EXPECT_EQ(parser.lineNumber(), 2);
    EXPECT_EQ(parser.columnNumber(), 5);
    MemoryByteSource again("<r/>");
    EXPECT_THROW(parser.parse(again, false), std::logic_error);
}
