#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "BStr.h"
#include "ComponentHarness.h"
#include "OfferInterface.h"
#include "RefCounted.h"
#include "Stream.h"
#include "TempDir.h"
#include "TextConversion.h"
#include "Variant.h"

namespace {

using saxtest::CreateReader;
using saxtest::EventLog;
using saxtest::LastError;
using saxtest::MakeSink;
using saxtest::ParseText;
using saxtest::Subscription;

constexpr const char16_t* kNamespaces = u"http://xml.org/sax/features/namespaces";
constexpr const char16_t* kNamespacePrefixes = u"http://xml.org/sax/features/namespace-prefixes";

class ReaderSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        reader = CreateReader();
        ASSERT_TRUE(reader);
        sink = MakeSink(IID_ISAXContentHandler, log.handler());
        subscription = std::make_unique<Subscription>(*reader.get(), IID_ISAXContentHandler, sink.get());
    }

    HRESULT setProperty(const char16_t* name, const char16_t* value)
    {
        BStr key(name);
        Variant text = Variant::Text(value);
        return reader->setProperty(key.get(), text.get());
    }
    std::string getProperty(const char16_t* name)
    {
        BStr key(name);
        Variant value;
        if (FAILED(reader->getProperty(key.get(), value.out()))) return "<failed>";
        return value.get().vt == VT_BSTR ? Utf8FromUtf16(BStrView(value.get().bstrVal)) : "<not text>";
    }
    HRESULT setFeature(const char16_t* name, VARIANT_BOOL on)
    {
        BStr key(name);
        return reader->setFeature(key.get(), on);
    }
    HRESULT getFeature(const char16_t* name, VARIANT_BOOL& on)
    {
        BStr key(name);
        return reader->getFeature(key.get(), &on);
    }
    // The characters events of one parse.
    std::vector<std::string> texts(std::string_view document)
    {
        EXPECT_TRUE(ParseText(*reader.get(), document));
        std::vector<std::string> result;
        for (const std::string& line : log.lines())
            if (line.find("\"characters\"") != std::string::npos || line.find("\"cdata\"") != std::string::npos)
                result.push_back(line);
        return result;
    }

    ComPtr<ISAXXMLReader> reader;
    EventLog log;
    ComPtr<IUnknown> sink;
    std::unique_ptr<Subscription> subscription;
};

TEST_F(ReaderSettings, AFileThatCannotBeOpenedFailsWithItsTextAndFiresNothing)
{
    EXPECT_EQ(LastError(*reader.get()), "<null>");
    TempDir dir;
    for (const std::string& file : {std::string("/no/such/file.xml"), dir.file("")}) {
        BStr path(Utf16FromUtf8(file));
        VARIANT_BOOL ok = VARIANT_TRUE;
        EXPECT_EQ(reader->parseFile(path.get(), &ok), S_OK);
        EXPECT_EQ(ok, VARIANT_FALSE) << file;
        EXPECT_EQ(LastError(*reader.get()), "Unable to open input file") << file;
        EXPECT_TRUE(log.lines().empty()) << file;
    }
}

// The process's own memory file fails its first read at offset 0 (never
// mapped) with an I/O error: a file that opens but cannot be read.
TEST_F(ReaderSettings, AFileThatFailsToReadFailsTheParse)
{
    BStr path(u"/proc/self/mem");
    VARIANT_BOOL ok = VARIANT_TRUE;
    ASSERT_EQ(reader->parseFile(path.get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(LastError(*reader.get()), "Unable to read input file");
    const auto lines = log.lines();
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), R"({"event":"endDocument"})") == lines.end());
}

TEST_F(ReaderSettings, ParseFileReadsBytes)
{
    TempDir dir;
    std::ofstream(dir.file("doc.xml"), std::ios::binary) << "<r>caf\xC3\xA9</r>";
    BStr path(Utf16FromUtf8(dir.file("doc.xml")));
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(reader->parseFile(path.get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE) << LastError(*reader.get());
    const auto lines = log.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "{\"event\":\"characters\",\"text\":\"caf\xC3\xA9\"}"), lines.end());
}

TEST_F(ReaderSettings, SettingsLastOneParse)
{
    const char* document = "<r>\n  <e/>\n</r>";
    const auto defaults = texts(document);
    ASSERT_EQ(setProperty(u"PreserveSpace", u"Yes"), S_OK);
    EXPECT_EQ(getProperty(u"PreserveSpace"), "Yes");
    const auto preserved = texts(document);
    EXPECT_NE(preserved, defaults);
    EXPECT_EQ(getProperty(u"PreserveSpace"), "No");  // a fresh parser after the parse
    EXPECT_EQ(texts(document), defaults);
}

TEST_F(ReaderSettings, PropertiesTakeOnlyTheExactTextYes)
{
    EXPECT_EQ(getProperty(u"ExpandCDATAIntoText"), "Yes");
    EXPECT_EQ(getProperty(u"PreserveSpace"), "No");
    ASSERT_EQ(setProperty(u"PreserveSpace", u"yes"), S_OK);
    EXPECT_EQ(getProperty(u"PreserveSpace"), "No");
    ASSERT_EQ(setProperty(u"ExpandCDATAIntoText", u"No"), S_OK);
    EXPECT_EQ(texts("<r>a<![CDATA[b]]>c</r>"),
              (std::vector<std::string>{R"({"event":"characters","text":"a"})", R"({"event":"cdata","text":"b"})",
                                        R"({"event":"characters","text":"c"})"}));
    // Merged into the text again, the CDATA section joins the run that follows it.
    EXPECT_EQ(texts("<r>a<![CDATA[b]]>c</r>"), (std::vector<std::string>{R"({"event":"characters","text":"a"})",
                                                                         R"({"event":"characters","text":"bc"})"}));
}

TEST_F(ReaderSettings, RefusedSettingsFailWithoutTouchingStateOrLastError)
{
    EXPECT_FALSE(ParseText(*reader.get(), "<r>"));
    const std::string failure = LastError(*reader.get());
    EXPECT_EQ(setProperty(u"preservespace", u"Yes"), E_FAIL);
    EXPECT_EQ(getProperty(u"Unknown"), "<failed>");
    BStr key(u"PreserveSpace");
    Variant number = Variant::Int32(1);
    EXPECT_EQ(reader->setProperty(key.get(), number.get()), E_FAIL);
    EXPECT_EQ(getProperty(u"PreserveSpace"), "No");
    EXPECT_EQ(setFeature(u"http://xml.org/sax/features/validation", VARIANT_TRUE), E_FAIL);
    VARIANT_BOOL on = VARIANT_FALSE;
    EXPECT_EQ(getFeature(u"http://xml.org/sax/features/validation", on), E_FAIL);
    EXPECT_EQ(LastError(*reader.get()), failure);
}

TEST_F(ReaderSettings, InlineEncodingFeatureCanBeSetButNotRead)
{
    EXPECT_EQ(setFeature(kInlineEncodingFeature, VARIANT_TRUE), S_OK);
    VARIANT_BOOL on = VARIANT_FALSE;
    EXPECT_EQ(getFeature(kInlineEncodingFeature, on), E_FAIL);

    // Switched off, a Latin-1 declaration no longer changes how bytes are read.
    const std::string latin1 = "<?xml version='1.0' encoding='ISO-8859-1'?><r>\xE9</r>";
    auto parseBytes = [&](const std::string& bytes) {
        auto stream = ComPtr<IStream>::adopt(CreateStreamOnBytes(bytes));
        Variant input = Variant::Object(stream.get());
        VARIANT_BOOL ok = VARIANT_FALSE;
        EXPECT_EQ(reader->parseEx(input.get(), &ok), S_OK);
        const auto lines = log.lines();
        return lines.size() > 4 ? lines[4] : std::string();
    };
    EXPECT_EQ(parseBytes(latin1), "{\"event\":\"characters\",\"text\":\"\xC3\xA9\"}");
    EXPECT_EQ(setFeature(kInlineEncodingFeature, VARIANT_FALSE), S_OK);
    EXPECT_NE(parseBytes(latin1), "{\"event\":\"characters\",\"text\":\"\xC3\xA9\"}");
}

TEST_F(ReaderSettings, BothNamespaceFeaturesActOnOneSwitch)
{
    VARIANT_BOOL on = VARIANT_FALSE;
    ASSERT_EQ(getFeature(kNamespaces, on), S_OK);
    EXPECT_EQ(on, VARIANT_TRUE);
    ASSERT_EQ(setFeature(kNamespacePrefixes, VARIANT_FALSE), S_OK);
    ASSERT_EQ(getFeature(kNamespaces, on), S_OK);
    EXPECT_EQ(on, VARIANT_FALSE);
    ASSERT_EQ(getFeature(kNamespacePrefixes, on), S_OK);
    EXPECT_EQ(on, VARIANT_FALSE);
    ASSERT_EQ(setFeature(kNamespaces, VARIANT_TRUE), S_OK);
    ASSERT_EQ(getFeature(kNamespacePrefixes, on), S_OK);
    EXPECT_EQ(on, VARIANT_TRUE);
}

TEST_F(ReaderSettings, LastErrorSurvivesALaterSuccess)
{
    EXPECT_FALSE(ParseText(*reader.get(), "<a></b>"));
    EXPECT_EQ(LastError(*reader.get()), "End tag does not match start tag");
    EXPECT_TRUE(ParseText(*reader.get(), "<a/>"));
    EXPECT_EQ(LastError(*reader.get()), "End tag does not match start tag");
}

TEST_F(ReaderSettings, ParseStringTakesSixteenBitTextWithAnOptionalByteOrderMark)
{
    BStr text(u"\uFEFF<r>\u20AC</r>");
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(reader->parseString(text.get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    const auto lines = log.lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], R"({"event":"startElement","uri":"","local":"r","raw":"r","attrs":[]})");
    EXPECT_EQ(lines[3], "{\"event\":\"characters\",\"text\":\"\xE2\x82\xAC\"}");
}

// A stream that fails on its second read.
class FailingStream final : public RefCounted<IStream> {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        return OfferInterface<IStream>(this, iid, object, {IID_IUnknown, IID_IStream, IID_ISequentialStream});
    }
    HRESULT Read(void* buffer, ULONG count, ULONG* read) override
    {
        if (reads_++ > 0) return E_FAIL;
        const char text[] = "<r>partial";
        const ULONG n = std::min<ULONG>(count, sizeof text - 1);
        std::memcpy(buffer, text, n);
        *read = n;
        return S_OK;
    }
    HRESULT Write(const void*, ULONG, ULONG*) override { return E_NOTIMPL; }

private:
    int reads_ = 0;
};

TEST_F(ReaderSettings, ParseExTakesOnlyAStreamObject)
{
    VARIANT_BOOL ok = VARIANT_TRUE;
    Variant text = Variant::Text(u"<r/>");
    EXPECT_EQ(reader->parseEx(text.get(), &ok), E_FAIL);
    EXPECT_EQ(ok, VARIANT_TRUE);  // untouched
    Variant empty;
    EXPECT_EQ(reader->parseEx(empty.get(), &ok), E_FAIL);
    auto notAStream = reader.as<IUnknown>(IID_IUnknown);
    Variant object = Variant::Object(notAStream.get());
    EXPECT_EQ(reader->parseEx(object.get(), &ok), E_FAIL);
    EXPECT_TRUE(log.lines().empty());

    auto stream = ComPtr<IStream>::adopt(CreateStreamOnBytes("<r>bytes</r>"));
    Variant input = Variant::Object(stream.get());
    ASSERT_EQ(reader->parseEx(input.get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    EXPECT_EQ(log.lines().size(), 6u);
}

TEST_F(ReaderSettings, AStreamThatFailsToReadFailsTheParse)
{
    auto stream = ComPtr<IStream>::adopt(new FailingStream);
    Variant input = Variant::Object(stream.get());
    VARIANT_BOOL ok = VARIANT_TRUE;
    ASSERT_EQ(reader->parseEx(input.get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_FALSE);
    EXPECT_EQ(LastError(*reader.get()), "Unable to read input stream");
    const auto lines = log.lines();
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), R"({"event":"endDocument"})") == lines.end());
}

}  // namespace
