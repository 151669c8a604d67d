// Element names and URIs reach the sink as counted text, with and without
// namespaces, prefixed or not, bound or not, however deep the nesting.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "CountedText.h"
#include "MemoryByteSource.h"
#include "ParserCore.h"

namespace {

// Notes every element name or URI that is not counted, and counts the checks.
class CountedCheckingSink final : public sax::ContentSink {
public:
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      sax::AttributeList) override
    {
        check("start", uri, localName, rawName);
    }
    void endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName) override
    {
        check("end", uri, localName, rawName);
    }

    std::vector<std::string> faults;
    size_t checked = 0;

private:
    void check(const char* event, std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName)
    {
        const std::u16string_view texts[] = {uri, localName, rawName};
        const char* names[] = {"uri", "localName", "rawName"};
        for (size_t i = 0; i < 3; ++i, ++checked)
            if (!sax::IsCounted(texts[i]))
                faults.push_back(std::string(event) + " " + names[i] + " of " + std::string(rawName.begin(), rawName.end()));
    }
};

CountedCheckingSink Parse(const std::string& document, bool namespaces)
{
    sax::ParserCore parser;
    parser.setFeature(sax::ParserSettings::kNamespacesFeature, namespaces);
    CountedCheckingSink sink;
    parser.setContentSink(&sink);
    sax::MemoryByteSource source(document);
    parser.parse(source, false);
    return sink;
}

TEST(CountedNames, EveryElementNameAndUriIsCounted)
{
    const std::string document =
        "<r xmlns='urn:d' xmlns:p='urn:p'><p:a x='1'><q:b/><c/></p:a><d xmlns=''><e:f xmlns:e='urn:e'/></d></r>";
    for (const bool namespaces : {true, false}) {
        const CountedCheckingSink sink = Parse(document, namespaces);
        EXPECT_EQ(sink.checked, 2u * 3 * 6) << "namespaces " << namespaces;
        EXPECT_EQ(sink.faults, std::vector<std::string>{}) << "namespaces " << namespaces;
    }
}

TEST(CountedNames, StayCountedWhileTheNameStorageGrowsUnderDeepLongNames)
{
    const std::string name = "p:" + std::string(500, 'n');
    std::string document = "<r xmlns:p='urn:" + std::string(300, 'u') + "'>";
    for (int i = 0; i < 200; ++i) document += "<" + name + ">";
    for (int i = 0; i < 200; ++i) document += "</" + name + ">";
    document += "</r>";
    const CountedCheckingSink sink = Parse(document, true);
    EXPECT_EQ(sink.checked, 2u * 3 * 201);
    EXPECT_EQ(sink.faults, std::vector<std::string>{});
}

}  // namespace
