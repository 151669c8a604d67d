#include "ComponentParsing.h"

#include "Activation.h"
#include "BStr.h"
#include "ComPtr.h"
#include "EventSinks.h"
#include "KXSAX2.h"
#include "OfferInterface.h"
#include "RefCounted.h"
#include "Variant.h"

namespace bench {
namespace {

// Event count and string lengths. Every subscriber takes each event's own
// strings (lent by the reader) and the attribute count; with
// `readAttributes` it also reads each attribute's local name and value
// through ISAXAttributes, as the ParserCore sink reads them: a fresh string
// per call that the reader of it frees, the price of the getter contract
// rather than of the events.
struct Tally {
    explicit Tally(bool readAttributes) : readAttributes(readAttributes) {}

    // Inline in each subscriber: one call per event, like the ParserCore sink.
    [[gnu::always_inline]] void element(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                 ISAXAttributes* attributes)
    {
        events++;
        units += uri.size() + localName.size() + rawName.size();
        int32_t count = 0;
        attributes->getLength(&count);
        units += static_cast<size_t>(count);
        for (int32_t i = 0; readAttributes && i < count; ++i) {
            BStr local, value;
            attributes->getLocalName(i, local.out());
            attributes->getValue(i, value.out());
            units += local.view().size() + value.view().size();
        }
    }
    void text(std::u16string_view text)
    {
        events++;
        units += text.size();
    }

    const bool readAttributes;
    size_t events = 0;
    size_t units = 0;
};

// The dispatch subscriber's handler: DispatchEventSink reads each event's
// arguments and calls it.
class TallyHandler final : public EventHandler {
public:
    explicit TallyHandler(Tally& tally) : tally_(tally) {}

    void setLocator(ISAXLocator*) override {}
    void startDocument() override {}
    void endDocument() override {}
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      ISAXAttributes* attributes) override
    {
        tally_.element(uri, localName, rawName, attributes);
    }
    void endElement(std::u16string_view, std::u16string_view localName, std::u16string_view) override
    {
        tally_.text(localName);
    }
    void processingInstruction(std::u16string_view, std::u16string_view data) override { tally_.text(data); }
    void characters(std::u16string_view text, int32_t) override { tally_.text(text); }
    void comment(std::u16string_view text) override { tally_.text(text); }
    void cdata(std::u16string_view) override {}
    void startPrefixMapping(std::u16string_view, std::u16string_view) override {}
    void endPrefixMapping(std::u16string_view) override {}

private:
    Tally& tally_;
};

// The vtable subscriber counts in its own members, as a client of that
// interface would, with one call per event like the ParserCore sink.
class TallyContentHandler final : public RefCounted<ISAXContentHandler> {
public:
    explicit TallyContentHandler(Tally& tally) : tally_(tally) {}

    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        return OfferInterface<ISAXContentHandler>(this, iid, object, {IID_IUnknown, IID_ISAXContentHandler});
    }
    HRESULT startDocument() override { return S_OK; }
    HRESULT endDocument() override { return S_OK; }
    HRESULT startElement(BSTR uri, BSTR localName, BSTR rawName, ISAXAttributes* attributes) override
    {
        tally_.element(BStrView(uri), BStrView(localName), BStrView(rawName), attributes);
        return S_OK;
    }
    HRESULT endElement(BSTR, BSTR localName, BSTR) override
    {
        tally_.text(BStrView(localName));
        return S_OK;
    }
    HRESULT processingInstruction(BSTR, BSTR data) override
    {
        tally_.text(BStrView(data));
        return S_OK;
    }
    HRESULT characters(BSTR text, int32_t) override
    {
        tally_.text(BStrView(text));
        return S_OK;
    }
    HRESULT comment(BSTR text) override
    {
        tally_.text(BStrView(text));
        return S_OK;
    }
    HRESULT cdata(BSTR) override { return S_OK; }
    HRESULT setLocator(ISAXLocator*) override { return S_OK; }
    HRESULT startPrefixMapping(BSTR, BSTR) override { return S_OK; }
    HRESULT endPrefixMapping(BSTR) override { return S_OK; }

private:
    Tally& tally_;
};

void ParseWithComponent(benchmark::State& state, const std::string* bytes, IUnknown* subscriber, const IID& pointIid,
                        const Tally& tally)
{
    ComPtr<ISAXXMLReader> reader;
    if (FAILED(CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid()))) {
        state.SkipWithError("the sax component cannot be created");
        return;
    }
    auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    container->FindConnectionPoint(pointIid, point.out());
    point->Advise(subscriber, &cookie);
    for (auto _ : state) {
        auto stream = ComPtr<IStream>::adopt(CreateStreamOnBorrowedBytes(*bytes));
        Variant input = Variant::Object(stream.get());
        VARIANT_BOOL ok = VARIANT_FALSE;
        if (FAILED(reader->parseEx(input.get(), &ok)) || !ok) state.SkipWithError("the component refused the input");
        benchmark::DoNotOptimize(tally.units);
    }
    point->Unadvise(cookie);
    state.counters["events"] = static_cast<double>(tally.events) / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes->size()));
}

}  // namespace

void ParseWithComponentVtable(benchmark::State& state, const std::string* bytes, bool readAttributes)
{
    Tally tally(readAttributes);
    auto subscriber = ComPtr<IUnknown>::adopt(new TallyContentHandler(tally));
    ParseWithComponent(state, bytes, subscriber.get(), IID_ISAXContentHandler, tally);
}

void ParseWithComponentDispatch(benchmark::State& state, const std::string* bytes, bool readAttributes)
{
    Tally tally(readAttributes);
    TallyHandler handler(tally);
    auto subscriber = ComPtr<IUnknown>::adopt(new DispatchEventSink(handler));
    ParseWithComponent(state, bytes, subscriber.get(), DIID__ISAXContentHandler, tally);
}

}  // namespace bench
