// Event sequences of whole documents: prolog, content, white space, references,
// CDATA, namespaces, lenient mode and encodings.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "RecordingSink.h"

using namespace saxtest;
using namespace std::string_view_literals;
using Events = std::vector<std::string>;

TEST(ParserCoreEvents, EmptyOrBlankDocumentHasNoRootAndSucceeds)
{
    const Events bare{"setLocator", "startDocument", "endDocument"};
    EXPECT_EQ(ParseBytes("").events, bare);
    EXPECT_EQ(ParseBytes(" \r\n\t ").events, bare);
    EXPECT_EQ(ParseBytes("<!-- a -->\n<!--b-->").events,
              (Events{"setLocator", "startDocument", "comment( a )", "comment(b)", "endDocument"}));
}

TEST(ParserCoreEvents, DeclarationElementsAttributesAndTextInOrder)
{
    const char* document = "<?xml version='1.0'?>\n<a x=\"1\">hi<b/></a>";
    EXPECT_EQ(ParseBytes(document).events,
              (Events{"setLocator", "startDocument", "pi(xml|version='1.0')", "start(,a,a)[,x,x=1]", "chars(hi)",
                      "start(,b,b)[]", "end(,b,b)", "end(,a,a)", "endDocument"}));
    EXPECT_EQ(Body(ParseBytes(document, {.namespaces = false})),
              (Events{"pi(xml|version='1.0')", "start(,,a)[,,x=1]", "chars(hi)", "start(,,b)[]", "end(,,b)",
                      "end(,,a)"}));
    // Comments and PIs around the root, and a PI in content that ends the text run.
    EXPECT_EQ(Body(ParseBytes("<?p?><!--c--><r>t<?q d ?>u</r><?z  x?>")),
              (Events{"pi(p|)", "comment(c)", "start(,r,r)[]", "chars(t)", "pi(q|d )", "chars(u)", "end(,r,r)",
                      "pi(z| x)"}));
}

TEST(ParserCoreEvents, XmlDeclarationDataIsRebuiltInFixedOrderWithItsQuotes)
{
    const ParseOutcome outcome = ParseBytes("<?xml version=\"1.0\" standalone='no' encoding=\"UTF-8\" ?><r/>");
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    EXPECT_EQ(Body(outcome)[0], "pi(xml|version=\"1.0\" encoding=\"UTF-8\" standalone='no')");
    EXPECT_EQ(outcome.encodingName, "UTF-8");
}

TEST(ParserCoreEvents, LineBreaksCollapseUnlessSpaceIsPreserved)
{
    const char* document = "<r>\n  x\n  y\n</r>";
    EXPECT_EQ(Body(ParseBytes(document)), (Events{"start(,r,r)[]", "chars(x y)", "end(,r,r)"}));
    EXPECT_EQ(Body(ParseBytes(document, {.preserveSpace = true})),
              (Events{"start(,r,r)[]", "chars(\n  x\n  y\n)", "end(,r,r)"}));
    // Blanks on the same line stay; white space after a child element goes.
    EXPECT_EQ(Body(ParseBytes("<r>word  <b/>\n  tail</r>")),
              (Events{"start(,r,r)[]", "chars(word  )", "start(,b,b)[]", "end(,b,b)", "chars(tail)", "end(,r,r)"}));
    // A collapsed line break before a reference becomes one space.
    EXPECT_EQ(Body(ParseBytes("<r>x\n   &amp;</r>")), (Events{"start(,r,r)[]", "chars(x &)", "end(,r,r)"}));
}

TEST(ParserCoreEvents, WhiteSpaceAfterEmptyElementGoesEvenWhenPreserved)
{
    EXPECT_EQ(Body(ParseBytes("<r><b/>  x<c></c>  y</r>", {.preserveSpace = true})),
              (Events{"start(,r,r)[]", "start(,b,b)[]", "end(,b,b)", "chars(x)", "start(,c,c)[]", "end(,c,c)",
                      "chars(  y)", "end(,r,r)"}));
}

TEST(ParserCoreEvents, CdataMergesIntoFollowingTextOrStandsAlone)
{
    const char* document = "<r>a<![CDATA[<b>]x]]y]]]>c</r>";
    EXPECT_EQ(Body(ParseBytes(document)), (Events{"start(,r,r)[]", "chars(a)", "chars(<b>]x]]y]c)", "end(,r,r)"}));
    EXPECT_EQ(Body(ParseBytes(document, {.expandCdata = false})),
              (Events{"start(,r,r)[]", "chars(a)", "cdata(<b>]x]]y])", "chars(c)", "end(,r,r)"}));
}

TEST(ParserCoreEvents, CharacterReferencesAndEntities)
{
    EXPECT_EQ(Body(ParseBytes("<r>&#65;&#x41;&#x20ac;&lt;&gt;&amp;&apos;&quot;</r>")),
              (Events{"start(,r,r)[]", "chars(AA\u20ac<>&'\")", "end(,r,r)"}));
    // First definition wins, the predefined five cannot be redefined, and a
    // replacement text is not scanned again (only character references in the
    // declared value are replaced).
    const char* document =
        "<!DOCTYPE r [<!ENTITY e \"one\"><!ENTITY e \"two\"><!ENTITY lt \"x\">"
        "<!ENTITY f 'a&amp;b&#65;%p;'>]><r>&e;&lt;&f;</r>";
    EXPECT_EQ(Body(ParseBytes(document)), (Events{"start(,r,r)[]", "chars(one<a&amp;bA%p;)", "end(,r,r)"}));
}

TEST(ParserCoreEvents, AttributeValuesFoldLineBreaksAndKeepTabs)
{
    EXPECT_EQ(Body(ParseBytes("<r a=\"x\n    y\tz\n  \" b='&lt;&#10;' c=''/>")),
              (Events{"start(,r,r)[,a,a=x y\tz;,b,b=<\n;,c,c=]", "end(,r,r)"}));
}

TEST(ParserCoreEvents, NamespacesMapPrefixesAndScopes)
{
    const char* document =
        "<r xmlns=\"urn:d\" xmlns:p=\"urn:p\" a=\"1\" q:b=\"2\"><p:c p:x=\"3\"/><s xmlns:p=\"urn:s\"><p:t/></s></r>";
    const std::string xmlns = "http://www.w3.org/2000/xmlns/";
    EXPECT_EQ(Body(ParseBytes(document)),
              (Events{"prefix(=urn:d)", "prefix(p=urn:p)",
                      "start(urn:d,r,r)[urn:d,xmlns,xmlns=urn:d;" + xmlns + ",p,xmlns:p=urn:p;urn:d,a,a=1;q,b,q:b=2]",
                      "start(urn:p,c,p:c)[urn:p,x,p:x=3]", "end(urn:p,c,p:c)", "prefix(p=urn:s)",
                      "start(urn:d,s,s)[" + xmlns + ",p,xmlns:p=urn:s]", "start(urn:s,t,p:t)[]", "end(urn:s,t,p:t)",
                      "end(urn:d,s,s)", "endprefix(p)", "end(urn:d,r,r)", "endprefix()", "endprefix(p)"}));
    // With namespace processing off: raw names only, no prefix events.
    EXPECT_EQ(Body(ParseBytes("<p:r xmlns:p=\"u\" p:a=\"1\"/>", {.namespaces = false})),
              (Events{"start(,,p:r)[,,xmlns:p=u;,,p:a=1]", "end(,,p:r)"}));
    // A binding ends with its element: the prefix itself is then the URI.
    EXPECT_EQ(Body(ParseBytes("<r><a xmlns:p=\"u\"/><p:b/></r>"))[5], "start(p,b,p:b)[]");
}

TEST(ParserCoreEvents, LenientDocumentTakesBytesUnquotedNumbersAndTrailingText)
{
    const ParseOutcome outcome = ParseBytes("<XML><r a=12 b=\"x\">t\xe9</r>trailing <junk");
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    EXPECT_EQ(Body(outcome), (Events{"start(,r,r)[,a,a=12;,b,b=x]", "chars(t\u00e9)", "end(,r,r)"}));
    EXPECT_EQ(outcome.encodingName, "LENIENT");
    EXPECT_FALSE(ParseBytes("<r a=12/>").succeeded);
}

TEST(ParserCoreEvents, SingleByteDeclarationsSwitchByteInputOnly)
{
    const ParseOutcome latin = ParseBytes("<?xml version='1.0' encoding='ISO-8859-1'?><r>\xe9\xff</r>");
    EXPECT_EQ(Body(latin)[2], "chars(\u00e9\u00ff)");
    EXPECT_EQ(latin.encodingName, "ISO-8859-1");
    EXPECT_EQ(Body(ParseBytes("<?xml version='1.0' encoding='ASCII'?><r>\xe9</r>"))[2], "chars(\u00e9)");
    // Other names, and detection switched off, leave UTF-8 decoding in place.
    EXPECT_EQ(Body(ParseBytes("<?xml version='1.0' encoding='latin1'?><r>\xc3\xa9</r>"))[2], "chars(\u00e9)");
    const ParseOutcome undetected =
        ParseBytes("<?xml version='1.0' encoding='ASCII'?><r>\xc3\xa9</r>", {.inlineEncoding = false});
    EXPECT_EQ(Body(undetected)[2], "chars(\u00e9)");
    EXPECT_EQ(undetected.encodingName, "UTF-8");
    // 16-bit input keeps its units whatever the declaration says.
    const ParseOutcome units = ParseUnits(u"<?xml version='1.0' encoding='ISO-8859-1'?><r>\u00e9\u20ac</r>");
    EXPECT_EQ(Body(units)[2], "chars(\u00e9\u20ac)");
    EXPECT_EQ(ParseUnits(u"<r/>").encodingName, "UNICODE");
    EXPECT_EQ(ParseUnits(u"\uFEFF<r/>").encodingName, "UTF-16");
    EXPECT_EQ(ParseBytes("\xff\xfe<\0r\0/\0>\0"sv).encodingName, "UTF-16");
}
