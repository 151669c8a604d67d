#include <gtest/gtest.h>

#include "BStr.h"
#include "ComponentHarness.h"
#include "EventSinks.h"
#include "TextConversion.h"

namespace {

using saxtest::CreateReader;
using saxtest::EventLog;
using saxtest::MakeSink;
using saxtest::ParseText;
using saxtest::Subscription;

const char* const kExample = "<?xml version='1.0'?>\n<a x=\"1\">hi<b/></a>";

const std::vector<std::string> kExampleEvents = {
    R"({"event":"setLocator"})",
    R"({"event":"startDocument"})",
    R"({"event":"processingInstruction","target":"xml","data":"version='1.0'"})",
    R"({"event":"startElement","uri":"","local":"a","raw":"a","attrs":[{"uri":"","local":"x","raw":"x","value":"1"}]})",
    R"({"event":"characters","text":"hi"})",
    R"({"event":"startElement","uri":"","local":"b","raw":"b","attrs":[]})",
    R"({"event":"endElement","uri":"","local":"b","raw":"b"})",
    R"({"event":"endElement","uri":"","local":"a","raw":"a"})",
    R"({"event":"endDocument"})",
};

class BothEventInterfaces : public ::testing::TestWithParam<IID> {};

TEST_P(BothEventInterfaces, TheExampleDocumentFiresItsEventsInOrder)
{
    auto reader = CreateReader();
    ASSERT_TRUE(reader);
    EventLog log;
    auto sink = MakeSink(GetParam(), log.handler());
    Subscription subscription(*reader.get(), GetParam(), sink.get());
    ASSERT_EQ(subscription.result(), S_OK);
    ASSERT_TRUE(ParseText(*reader.get(), kExample));
    EXPECT_EQ(log.lines(), kExampleEvents);
}

TEST_P(BothEventInterfaces, WithTheNamespaceSwitchOffLocalNamesAreEmptyAndNoPrefixEventsFire)
{
    auto reader = CreateReader();
    EventLog log;
    auto sink = MakeSink(GetParam(), log.handler());
    Subscription subscription(*reader.get(), GetParam(), sink.get());
    BStr feature(u"http://xml.org/sax/features/namespaces");
    ASSERT_EQ(reader->setFeature(feature.get(), VARIANT_FALSE), S_OK);
    ASSERT_TRUE(ParseText(*reader.get(), "<p:a xmlns:p='u' p:x='1'/>"));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{
                               R"({"event":"setLocator"})",
                               R"({"event":"startDocument"})",
                               R"({"event":"startElement","uri":"","local":"","raw":"p:a","attrs":[{"uri":"","local":"","raw":"xmlns:p","value":"u"},{"uri":"","local":"","raw":"p:x","value":"1"}]})",
                               R"({"event":"endElement","uri":"","local":"","raw":"p:a"})",
                               R"({"event":"endDocument"})",
                           }));
}

TEST_P(BothEventInterfaces, ParseErrorStopsTheEventsWithoutEndDocument)
{
    auto reader = CreateReader();
    EventLog log;
    auto sink = MakeSink(GetParam(), log.handler());
    Subscription subscription(*reader.get(), GetParam(), sink.get());
    EXPECT_FALSE(ParseText(*reader.get(), "<a>\n  <b></a>"));
    const auto lines = log.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), R"({"event":"startElement","uri":"","local":"b","raw":"b","attrs":[]})");
    EXPECT_EQ(saxtest::LastError(*reader.get()), "End tag does not match start tag");
    int32_t line = 0, column = 0;
    auto locator = reader.as<ISAXLocator>(IID_ISAXLocator);
    locator->getLineNumber(&line);
    locator->getColumnNumber(&column);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(column, 10);
}

INSTANTIATE_TEST_SUITE_P(Reader, BothEventInterfaces, ::testing::Values(IID_ISAXContentHandler, DIID__ISAXContentHandler),
                         [](const auto& info) { return info.param == IID_ISAXContentHandler ? "Vtable" : "Dispatch"; });

// Records "tag:event" for every event, several handlers into one list.
class TaggingHandler final : public EventHandler {
public:
    TaggingHandler(std::string tag, std::vector<std::string>& out) : tag_(std::move(tag)), out_(out) {}
    void setLocator(ISAXLocator*) override { note("setLocator"); }
    void startDocument() override { note("startDocument"); }
    void endDocument() override { note("endDocument"); }
    void startElement(std::u16string_view, std::u16string_view local, std::u16string_view, ISAXAttributes*) override
    {
        note("start " + Utf8FromUtf16(local));
    }
    void endElement(std::u16string_view, std::u16string_view local, std::u16string_view) override
    {
        note("end " + Utf8FromUtf16(local));
    }
    void processingInstruction(std::u16string_view, std::u16string_view) override { note("pi"); }
    void characters(std::u16string_view text, int32_t length) override
    {
        note("chars " + Utf8FromUtf16(text) + " " + std::to_string(length) + "/" + std::to_string(text.size()));
    }
    void comment(std::u16string_view) override { note("comment"); }
    void cdata(std::u16string_view) override { note("cdata"); }
    void startPrefixMapping(std::u16string_view, std::u16string_view) override { note("prefix"); }
    void endPrefixMapping(std::u16string_view) override { note("endprefix"); }

private:
    void note(const std::string& what) { out_.push_back(tag_ + ":" + what); }
    std::string tag_;
    std::vector<std::string>& out_;
};

TEST(ReaderFiring, VtableSubscribersComeFirstThenDispatchOnesEachInSubscriptionOrder)
{
    auto reader = CreateReader();
    std::vector<std::string> events;
    TaggingHandler d1("d1", events), v1("v1", events), d2("d2", events), v2("v2", events);
    auto sd1 = MakeSink(DIID__ISAXContentHandler, d1);
    auto sv1 = MakeSink(IID_ISAXContentHandler, v1);
    auto sd2 = MakeSink(DIID__ISAXContentHandler, d2);
    auto sv2 = MakeSink(IID_ISAXContentHandler, v2);
    Subscription a(*reader.get(), DIID__ISAXContentHandler, sd1.get());
    Subscription b(*reader.get(), IID_ISAXContentHandler, sv1.get());
    Subscription c(*reader.get(), DIID__ISAXContentHandler, sd2.get());
    Subscription d(*reader.get(), IID_ISAXContentHandler, sv2.get());
    ASSERT_TRUE(ParseText(*reader.get(), "<r>t</r>"));
    std::vector<std::string> expected;
    for (const char* event : {"setLocator", "startDocument", "start r", "chars t 1/1", "end r", "endDocument"})
        for (const char* tag : {"v1", "v2", "d1", "d2"}) expected.push_back(std::string(tag) + ":" + event);
    EXPECT_EQ(events, expected);
}

TEST(ReaderFiring, CharactersCarryExactlyTheirLengthAndEmptyElementsNothingBetween)
{
    auto reader = CreateReader();
    std::vector<std::string> events;
    TaggingHandler v("v", events), d("d", events);
    auto sv = MakeSink(IID_ISAXContentHandler, v);
    auto sd = MakeSink(DIID__ISAXContentHandler, d);
    Subscription a(*reader.get(), IID_ISAXContentHandler, sv.get());
    Subscription b(*reader.get(), DIID__ISAXContentHandler, sd.get());
    ASSERT_TRUE(ParseText(*reader.get(), "<r>a&amp;b<e/>z\xC3\xA9</r>"));
    EXPECT_EQ(events, (std::vector<std::string>{
                          "v:setLocator", "d:setLocator", "v:startDocument", "d:startDocument", "v:start r", "d:start r",
                          "v:chars a&b 3/3", "d:chars a&b 3/3", "v:start e", "d:start e", "v:end e", "d:end e",
                          "v:chars z\xC3\xA9 2/2", "d:chars z\xC3\xA9 2/2", "v:end r", "d:end r", "v:endDocument",
                          "d:endDocument"}));
}

TEST(ReaderFiring, SAXXMLReaderExAlsoFiresDispatchEvents)
{
    auto reader = CreateReader(CLSID_SAXXMLReaderEx);
    ASSERT_TRUE(reader);
    EventLog log;
    auto sink = MakeSink(DIID__ISAXContentHandler, log.handler());
    Subscription subscription(*reader.get(), DIID__ISAXContentHandler, sink.get());
    ASSERT_EQ(subscription.result(), S_OK);
    ASSERT_TRUE(ParseText(*reader.get(), kExample));
    EXPECT_EQ(log.lines(), kExampleEvents);
}

TEST(ReaderConnectionPoints, AdviseAndUnadviseWithCookies)
{
    auto reader = CreateReader();
    EventLog first, second;
    auto sink1 = MakeSink(DIID__ISAXContentHandler, first.handler());
    auto sink2 = MakeSink(DIID__ISAXContentHandler, second.handler());
    auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(DIID__ISAXContentHandler, point.out()), S_OK);
    IID iid{};
    EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, DIID__ISAXContentHandler);
    ComPtr<IConnectionPointContainer> back;
    EXPECT_EQ(point->GetConnectionPointContainer(back.out()), S_OK);
    EXPECT_EQ(back.get(), container.get());

    DWORD cookie1 = 0, cookie2 = 0;
    ASSERT_EQ(point->Advise(sink1.get(), &cookie1), S_OK);
    ASSERT_EQ(point->Advise(sink2.get(), &cookie2), S_OK);
    EXPECT_NE(cookie1, cookie2);
    ASSERT_EQ(point->Unadvise(cookie1), S_OK);
    EXPECT_EQ(point->Unadvise(cookie1), CONNECT_E_NOCONNECTION);
    ASSERT_TRUE(ParseText(*reader.get(), "<r/>"));
    EXPECT_TRUE(first.lines().empty());
    EXPECT_EQ(second.lines().size(), 5u);
    EXPECT_EQ(point->Unadvise(cookie2), S_OK);

    // A vtable point takes only objects that answer its interface.
    ComPtr<IConnectionPoint> vtablePoint;
    ASSERT_EQ(container->FindConnectionPoint(IID_ISAXContentHandler, vtablePoint.out()), S_OK);
    DWORD cookie = 7;
    EXPECT_EQ(vtablePoint->Advise(sink1.get(), &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    ComPtr<IConnectionPoint> none;
    EXPECT_EQ(container->FindConnectionPoint(IID_IStream, none.out()), CONNECT_E_NOCONNECTION);
}

// Takes every event and does nothing; the probes below override the ones
// they look at.
class IgnoringHandler : public EventHandler {
public:
    void setLocator(ISAXLocator*) override {}
    void startDocument() override {}
    void endDocument() override {}
    void startElement(std::u16string_view, std::u16string_view, std::u16string_view, ISAXAttributes*) override {}
    void endElement(std::u16string_view, std::u16string_view, std::u16string_view) override {}
    void processingInstruction(std::u16string_view, std::u16string_view) override {}
    void characters(std::u16string_view, int32_t) override {}
    void comment(std::u16string_view) override {}
    void cdata(std::u16string_view) override {}
    void startPrefixMapping(std::u16string_view, std::u16string_view) override {}
    void endPrefixMapping(std::u16string_view) override {}
};

// Reads the attribute list through all nine members during startElement,
// and keeps it to look at afterwards.
class AttributeProbe final : public IgnoringHandler {
public:
    void setLocator(ISAXLocator* locator) override { locator_ = ComPtr<ISAXLocator>(locator); }
    void startElement(std::u16string_view, std::u16string_view, std::u16string_view, ISAXAttributes* a) override
    {
        kept = ComPtr<ISAXAttributes>(a);
        locator_->getLineNumber(&line);
        a->getLength(&length);
        BStr text;
        auto value = [&](HRESULT hr) { return SUCCEEDED(hr) ? Utf8FromUtf16(text.view()) : "<failed>"; };
        seen.push_back(value(a->getValue(1, text.out())));
        seen.push_back(value(a->getRawName(1, text.out())));
        seen.push_back(value(a->getLocalName(1, text.out())));
        seen.push_back(value(a->getURI(1, text.out())));
        BStr raw(u"p:y"), uri(u"urn:p"), local(u"y"), missing(u"nothing"), wrongCase(u"X");
        seen.push_back(value(a->getValueByRawName(raw.get(), text.out())));
        seen.push_back(value(a->getValueNS(uri.get(), local.get(), text.out())));
        int32_t index = 0;
        a->getIndex(raw.get(), &index);
        seen.push_back(std::to_string(index));
        a->getIndexNS(uri.get(), local.get(), &index);
        seen.push_back(std::to_string(index));
        a->getIndex(wrongCase.get(), &index);
        seen.push_back(std::to_string(index));
        a->getIndexNS(local.get(), uri.get(), &index);
        seen.push_back(std::to_string(index));
        seen.push_back(value(a->getValue(5, text.out())) + "|" + value(a->getValue(-1, text.out())) + "|" +
                       value(a->getURI(99, text.out())) + "|" + value(a->getValueByRawName(missing.get(), text.out())));
        seen.push_back(a->getValue(0, nullptr) == E_POINTER && a->getLocalName(9, nullptr) == E_POINTER ? "no out" : "?");
    }

    ComPtr<ISAXAttributes> kept;
    std::vector<std::string> seen;
    int32_t length = -1;
    int32_t line = 0;

private:
    ComPtr<ISAXLocator> locator_;
};

TEST(ReaderAttributeList, AnswersAllNineMembersDuringStartElementOnly)
{
    auto reader = CreateReader();
    AttributeProbe probe;
    auto sink = MakeSink(IID_ISAXContentHandler, probe);
    Subscription subscription(*reader.get(), IID_ISAXContentHandler, sink.get());
    ASSERT_TRUE(ParseText(*reader.get(), "\n\n<r x='1' p:y='two' xmlns:p='urn:p'/>"));
    EXPECT_EQ(probe.line, 3);
    EXPECT_EQ(probe.length, 3);
    EXPECT_EQ(probe.seen, (std::vector<std::string>{"two", "p:y", "y", "urn:p", "two", "two", "1", "1", "-1", "-1",
                                                    "|||", "no out"}));
    ASSERT_TRUE(probe.kept);
    int32_t after = -1;
    probe.kept->getLength(&after);
    EXPECT_EQ(after, 0);  // the view ended with the event
    BStr text;
    EXPECT_EQ(probe.kept->getValue(0, text.out()), S_OK);
    EXPECT_EQ(text.view(), u"");
}

// Copies every attribute's local name and value through the getters, as
// UTF-16, with each copy's length and terminator checked.
class CopyProbe final : public IgnoringHandler {
public:
    void startElement(std::u16string_view, std::u16string_view, std::u16string_view, ISAXAttributes* a) override
    {
        int32_t length = 0;
        a->getLength(&length);
        for (int32_t i = 0; i < length; ++i) {
            BStr name, value;
            a->getLocalName(i, name.out());
            a->getValue(i, value.out());
            for (const BStr* text : {&name, &value})
                if (text->get()[text->view().size()] != u'\0') unterminated++;
            copies.emplace_back(name.view());
            copies.emplace_back(value.view());
        }
    }

    std::vector<std::u16string> copies;
    int unterminated = 0;
};

TEST(ReaderAttributeList, CopiesNamesAndValuesOfEveryLengthExactly)
{
    // Every length from 0 to past the longest the string cache keeps, long
    // ones before short ones, so that reused strings once held longer text.
    std::string document = "<r>";
    std::vector<std::u16string> expected;
    for (int round = 0; round < 2; ++round)
        for (int length = 140; length >= 0; --length) {
            std::string value, name = "n" + std::string(static_cast<size_t>(length % 19), 'a');
            for (int i = 0; i < length; ++i) value += static_cast<char>('A' + (i * 7 + length) % 26);
            document += "<e " + name + "='" + value + "' z='" + value.substr(0, static_cast<size_t>(length) / 3) + "'/>";
            for (const std::string& text : {name, value, std::string("z"), value.substr(0, static_cast<size_t>(length) / 3)})
                expected.push_back(Utf16FromUtf8(text));
        }
    document += "</r>";
    auto reader = CreateReader();
    CopyProbe probe;
    auto sink = MakeSink(IID_ISAXContentHandler, probe);
    Subscription subscription(*reader.get(), IID_ISAXContentHandler, sink.get());
    ASSERT_TRUE(ParseText(*reader.get(), document));
    EXPECT_EQ(probe.unterminated, 0);
    ASSERT_EQ(probe.copies.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(probe.copies[i], expected[i]) << "attribute text " << i;
}

}  // namespace

namespace {

// Misbehaves during the first startElement: ends its own subscription, tries
// a second parse on the same reader and drops the last reference to it.
class RudeHandler final : public IgnoringHandler {
public:
    void endDocument() override { ++ends; }
    void startElement(std::u16string_view, std::u16string_view, std::u16string_view, ISAXAttributes*) override
    {
        ++starts;
        if (!reader) return;
        subscription.reset();
        VARIANT_BOOL ok = VARIANT_TRUE;
        BStr text(u"<x/>");
        nested = reader->parseString(text.get(), &ok);
        reader = nullptr;
    }

    ComPtr<ISAXXMLReader> reader;
    std::unique_ptr<Subscription> subscription;
    HRESULT nested = S_OK;
    int starts = 0;
    int ends = 0;
};

TEST(ReaderFiring, SubscribersMayUnsubscribeAndLetGoOfTheReaderDuringAnEvent)
{
    RudeHandler handler;
    handler.reader = CreateReader();
    auto sink = MakeSink(DIID__ISAXContentHandler, handler);
    handler.subscription = std::make_unique<Subscription>(*handler.reader.get(), DIID__ISAXContentHandler, sink.get());
    // The handler holds the only reference; the call below goes through a plain pointer.
    ISAXXMLReader* reader = handler.reader.get();
    BStr text(u"<a><b/><c/></a>");
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(reader->parseString(text.get(), &ok), S_OK);  // the reader is gone once this returns
    EXPECT_EQ(ok, VARIANT_TRUE);
    EXPECT_EQ(handler.nested, E_FAIL);
    EXPECT_EQ(handler.starts, 3);  // the subscription taken at the start lasts the parse
    EXPECT_EQ(handler.ends, 1);
}

}  // namespace
