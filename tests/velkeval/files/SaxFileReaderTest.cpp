#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FileError.h"
#include "SaxFileReader.h"
#include "TempDir.h"

namespace velk {
namespace {

// Records the element events as lines: "<name a=1 b=2" and "</name".
class EventLog : public ElementEvents {
public:
    std::vector<std::string> lines;
    std::string throwAt;  // a start tag whose handler fails

    void startElement(const std::string& localName, const AttributeList& attributes) override
    {
        std::string line = "<" + localName;
        for (int i = 0; i < attributes.getLength(); ++i)
            line += " " + attributes.getLocalName(i) + "=" + attributes.getValue(i);
        lines.push_back(line);
        if (localName == throwAt) throw FileError("refused " + localName);
    }
    void endElement(const std::string& localName) override { lines.push_back("</" + localName); }
};

std::string WriteFile(const TempDir& dir, const std::string& text)
{
    const std::string path = dir.file("doc.xml");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(SaxFileReader, DeliversElementsInOrderWithLocalNamesAndDecodedValues)
{
    TempDir dir;
    const auto path = WriteFile(dir, "<file title=\"A &amp; B\"><!-- c --><x:dev xmlns:x=\"u\" name=\"\xC3\xA9\">text"
                                     "</x:dev><?pi?><empty/></file>");
    EventLog log;
    const ParseOutcome outcome = ReadWithSax(path, log);
    EXPECT_TRUE(outcome.ok) << outcome.lastError;
    EXPECT_EQ(log.lines, (std::vector<std::string>{"<file title=A & B", "<dev x=u name=\xC3\xA9", "</dev", "<empty",
                                                   "</empty", "</file"}));
}

// Reads each attribute into strings kept from element to element, as the
// loader does.
class ReusingLog : public ElementEvents {
public:
    std::vector<std::string> lines;
    TextSlot name, value;

    void startElement(const std::string& localName, const AttributeList& attributes) override
    {
        std::string line = localName;
        for (int i = 0; i < attributes.getLength(); ++i) {
            attributes.readAttribute(i, name, value);
            line += " " + std::string(name.view()) + "=" + std::string(value.view());
        }
        lines.push_back(line);
    }
    void endElement(const std::string&) override {}
};

TEST(SaxFileReader, NamesAndValuesOfEveryLengthKeepTheirCharactersWhereverOneIsNotAscii)
{
    // Lengths around the four- and eight-unit steps of the narrowing, with a non-ASCII
    // character first, in the middle and last; a long value after a short
    // one, and a short after a long, into the same strings.
    TempDir dir;
    const auto path = WriteFile(dir, "<r><\xC3\xA9 a=\"x\"/><abcd\xC3\xA9 bcde=\"wxyz\xE2\x82\xAC\" c=\"\"/>"
                                     "<abc\xC3\xA9" "defg l=\"a long value of many units\" s=\"ab\xC3\xA9\"/>"
                                     "<q h=\"abcdefg\xC3\xA9\" i=\"abcdefghijkl\xC3\xA9mno\" j=\"abcdefghijklmnopq\"/></r>");
    ReusingLog log;
    const ParseOutcome outcome = ReadWithSax(path, log);
    EXPECT_TRUE(outcome.ok) << outcome.lastError;
    EXPECT_EQ(log.lines, (std::vector<std::string>{"r", "\xC3\xA9 a=x", "abcd\xC3\xA9 bcde=wxyz\xE2\x82\xAC c=",
                                                   "abc\xC3\xA9" "defg l=a long value of many units s=ab\xC3\xA9",
                                                   "q h=abcdefg\xC3\xA9 i=abcdefghijkl\xC3\xA9mno j=abcdefghijklmnopq"}));
}

TEST(SaxFileReader, EveryShortLengthKeepsItsTextWithANonAsciiCharacterAnywhere)
{
    // Element names, attribute names and values of 1 to 20 characters, all
    // ASCII or with one character beyond it at each place in turn (one that
    // fits a byte and one that does not), read into the same strings.
    std::string xml = "<r>";
    std::vector<std::string> wanted{"r"};
    for (size_t length = 1; length <= 20; ++length) {
        for (size_t place = 0; place <= length; ++place) {
            std::string text;
            for (size_t i = 0; i < length; ++i)
                text += i != place ? std::string(1, static_cast<char>('a' + i)) : length % 2 ? "\xC3\xA9" : "\xD0\xB6";
            xml += "<" + text + " " + text + "=\"" + text + "\"/>";
            wanted.push_back(text + " " + text + "=" + text);
        }
    }
    xml += "</r>";
    TempDir dir;
    ReusingLog log;
    const ParseOutcome outcome = ReadWithSax(WriteFile(dir, xml), log);
    EXPECT_TRUE(outcome.ok) << outcome.lastError;
    EXPECT_EQ(log.lines, wanted);
}

TEST(SaxFileReader, ReportsWhereAMalformedOrMissingFileFailed)
{
    TempDir dir;
    EventLog log;
    const ParseOutcome broken = ReadWithSax(WriteFile(dir, "<file>\n<device>\n</file>"), log);
    EXPECT_FALSE(broken.ok);
    EXPECT_FALSE(broken.lastError.empty());
    EXPECT_EQ(broken.line, 3);
    EXPECT_GT(broken.column, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"<file", "<device"}));

    const ParseOutcome missing = ReadWithSax(dir.file("none.xml"), log);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.lastError.empty());
}

TEST(SaxFileReader, AHandlerFailureSilencesTheRestAndIsRethrownAfterTheParse)
{
    TempDir dir;
    EventLog log;
    log.throwAt = "b";
    const auto path = WriteFile(dir, "<a><b/><c/></a>");
    EXPECT_THROW(
        {
            try {
                ReadWithSax(path, log);
            } catch (const FileError& error) {
                EXPECT_STREQ(error.what(), "refused b");
                throw;
            }
        },
        FileError);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"<a", "<b"}));
    // The reader is usable again afterwards: nothing was left half-done.
    log.throwAt.clear();
    log.lines.clear();
    EXPECT_TRUE(ReadWithSax(path, log).ok);
    EXPECT_EQ(log.lines.size(), 6u);
}

}  // namespace
}  // namespace velk
