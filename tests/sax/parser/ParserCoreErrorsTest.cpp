// Every error: its exact text (empty for the form errors that carry none),
// where the parse stopped, and that nothing fires after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingSink.h"

using namespace saxtest;

namespace {

struct ErrorCase {
    const char* document;
    const char* message;
    int32_t line;
    int32_t column;
};

void ExpectFailure(const ErrorCase& c)
{
    const ParseOutcome outcome = ParseBytes(c.document);
    ASSERT_FALSE(outcome.succeeded) << c.document;
    EXPECT_EQ(outcome.message, c.message) << c.document;
    EXPECT_EQ(outcome.line, c.line) << c.document;
    EXPECT_EQ(outcome.column, c.column) << c.document;
    // The error sink is told last, with the same text and position; no endDocument.
    ASSERT_FALSE(outcome.events.empty());
    EXPECT_EQ(outcome.events.back(), "error(" + std::string(c.message) + ")@" + std::to_string(c.line) + ":" +
                                         std::to_string(c.column));
    for (const std::string& event : outcome.events) EXPECT_NE(event, "endDocument") << c.document;
}

}  // namespace

TEST(ParserCoreErrors, DocumentAndContentMessages)
{
    const ErrorCase cases[] = {
        {"<r/>\n x", "Unexpected data trailing end of root element", 2, 3},
        {"x<r/>", "Unexpected character 'x' - expecting element start.", 1, 2},
        {"< r/>", "Expecting name char for element", 1, 3},
        {"<r>< a/></r>", "Expecting name char for element", 1, 6},
        {"<r>text", "Expecting element content", 1, 8},
        {"<r><", "Expecting element content", 1, 5},
        {"<r><!", "Expecting start of comment or CDATA", 1, 6},
        {"<r>a]]>b</r>", "Character sequence ']]>' not allowed in element content", 1, 8},
        {"<r>&amp</r>", "Expecting end of reference chSEMI_COLON", 1, 9},
        {"<r a='&amp'/>", "Expecting end of reference chSEMI_COLON", 1, 12},
        {"<r>&foo;</r>", "Undefined entity 'foo'", 1, 9},
        {"<r a='&foo;'/>", "Undefined entity 'foo'", 1, 12},
        {"<r>&#65A;</r>", "The character A is not valid for a character reference", 1, 9},
        {"<r></r x>", "Expecting chGREATER_THAN for element end tag", 1, 9},
        {"<r>\n<a></b></r>", "End tag does not match start tag", 2, 8},  // just past the end tag
        {"<r><a1/><1/></r>", "The character 1 is not valid for the start of a name", 1, 11},
        {"<r a='x<'/>", "The character '<' is not allowed in an attribute value", 1, 9},
        {"<r/><!-- \x01 -->", "Comment contains invalid character '\x01'", 1, 11},
        {"<?p a\x02?><r/>", "PI contains invalid character '\x02'", 1, 7},
    };
    for (const ErrorCase& c : cases) ExpectFailure(c);
}

TEST(ParserCoreErrors, InternalSubsetMessages)
{
    const ErrorCase cases[] = {
        {"<!DOCTYPE r [<!ENTITY e\"v\">]><r/>", "Expecting whitespace after EntityDecl name", 1, 25},
        {"<!DOCTYPE r [<!ENTITY % p 'v' x>]><r/>", "Expecting NDATA", 1, 32},
        {"<!DOCTYPE r [<!ENTITY % p SYSTEM 'u' NDAT n>]><r/>", "Expecting NDATA", 1, 43},
        {"<!DOCTYPE r [<!ENTITY e 'v' NDATA n>]><r/>", "Expecting close of entity chGREATER_THAN", 1, 30},
        {"<!DOCTYPE r [<!ENTITY e SYSTEM 'u' NDATA n x>]><r/>", "Expecting close of entity chGREATER_THAN", 1, 45},
        {"<!DOCTYPE r [<!ELEMENT r EMPTY x>]><r/>", "Expecting closing chGREATER_THAN for element", 1, 33},
        {"<!DOCTYPE r [<!ELEMENT r foo>]><r/>", "Expecting opening left bracket, 'ANY' or 'EMPTY' after element name",
         1, 27},
        {"<!DOCTYPE r [<!ELEMENT r ANX>]><r/>", "Expecting opening left bracket, 'ANY' or 'EMPTY' after element name",
         1, 29},
        {"<!DOCTYPE r [<!ELEMENT r (a,(b|c)>]><r/>", "Expecting closing ')' for choice/sequence", 1, 35},
        {"<!DOCTYPE r [<!ELEMENT r (#PCDATA|a>]><r/>", "Expecting closing ')' for choice/sequence", 1, 37},
        {"<!DOCTYPE r [<!ATTLIST r a CDATA x>]><r/>", "Expecting a HASH", 1, 35},
        {"<!DOCTYPE r [<!ATTLIST r a CDATA'x'>]><r/>", "Required whitespace is missing after AttType", 1, 34},
        {"<!DOCTYPE r [<!ATTLIST r a (x|y)#IMPLIED>]><r/>", "Required whitespace is missing after AttType", 1, 34},
        {"<!DOCTYPE r [<!ATTLIST r a STRING #IMPLIED>]><r/>", "Unknown attlist type 'STRING'", 1, 35},
        {"<!DOCTYPE r FOO 'u'><r/>", "Expecting PUBLIC or SYSTEM for ExternalID", 1, 14},
        {"<!DOCTYPE r [<!ENTITY e PUBLIX 'p' 'u'>]><r/>", "Expecting PUBLIC or SYSTEM for ExternalID", 1, 31},
        {"<!DOCTYPE r [<!NOTATION n SYSTEM 'u' x>]><r/>", "Expecting closing chGREATER_THAN for notation decl", 1, 39},
        {"<!DOCTYPE r [%p ]><r/>", "Expecting end of reference chSEMI_COLON", 1, 17},
    };
    for (const ErrorCase& c : cases) ExpectFailure(c);
}

TEST(ParserCoreErrors, OurOwnTextsForUnsupportedInput)
{
    const std::string longest(511, 'n');
    EXPECT_TRUE(ParseBytes("<" + longest + "/>").succeeded);
    ExpectFailure({("<r " + longest + "x='1'/>").c_str(), "Name too long: names are limited to 511 characters", 1, 516});
    ExpectFailure({"<r>&#x10000;</r>", "Character reference above 0xFFFF is not supported", 1, 13});
    ExpectFailure({"<r>&#99999999999999999999;</r>", "Character reference above 0xFFFF is not supported", 1, 27});
    ExpectFailure({"<r>&#;</r>", "Character reference without digits", 1, 7});
    ExpectFailure({"<r a='&#x;'/>", "Character reference without digits", 1, 11});
    ExpectFailure({"<!DOCTYPE r [ x ]><r/>", "The character x does not start a declaration in the internal subset", 1,
                   16});
}

TEST(ParserCoreErrors, FormErrorsCarryNoText)
{
    const char* documents[] = {
        "<r",                                               // end of input inside a tag
        "<r a",                                             // ... and inside an attribute
        "<r a>",                                            // no "=" after an attribute name
        "<r a=1/>",                                         // unquoted value outside lenient mode
        "<r/ >",                                            // "/" not followed by ">"
        "<r>&#xZ;</r>",                                     // bad hexadecimal digit
        "<r>&am",                                           // end of input inside a reference
        "<r><!x></r>",                                      // "<!" neither comment nor CDATA
        "<r><!-x--></r>",
        "<r><![CDAT[x]]></r>",
        "<r><![CDATA[x]]</r>",                              // end of input inside CDATA
        "<r><!-- a -- b --></r>",                           // "--" inside a comment
        "<r><!-- a",
        "<?p\tx?><r/>",                                     // a tab after the target
        "<?p\nx?><r/>",
        "<?px?",
        "<?xml-stylesheet href='s'?><r/>",                  // "<?xml" must be followed by white space
        "<?xml version='1.0' encoding='a' encoding='b'?><r/>",
        "<?xml version='1.0' standalone=yes?><r/>",
        "<?xml version='1.0\"?><r/>",
        "<?xml version='1.0'",
        "<?xml version='1.0'?",
        "<!DOCTYPE r [<!ENTITIES x>]><r/>",                 // malformed keyword
        "<!DOCTYPE r [<!ELEMENT r (#PCDAT)>]><r/>",
        "<!DOCTYPE r [<!ATTLIST r a CDATA #DEFAULT>]><r/>",
        "<!DOCTYPE r [<!ATTLIST r a (x|) #IMPLIED>]><r/>",
        "<!DOCTYPE r PUBLIC 'p'><r/>",                      // the second literal is required here
        "<!DOCTYPE r SYSTEM 'u' x><r/>",
        "<!DOCTYPE r [ ] x><r/>",
        "<!DOCTYPE r [<!ENTITY e 'v",
        "<!DOCTYPE r [",
    };
    for (const char* document : documents) {
        const ParseOutcome outcome = ParseBytes(document);
        EXPECT_FALSE(outcome.succeeded) << document;
        EXPECT_EQ(outcome.message, "") << document;
        EXPECT_EQ(outcome.events.back().substr(0, 7), "error()") << document;
    }
}

TEST(ParserCoreErrors, NoEventAfterTheFirstError)
{
    const ParseOutcome outcome = ParseBytes("<r><a/>x&bad;<b/></r>");
    EXPECT_EQ(outcome.events, (std::vector<std::string>{"setLocator", "startDocument", "start(,r,r)[]", "start(,a,a)[]",
                                                        "end(,a,a)", "error(Undefined entity 'bad')@1:14"}));
}
