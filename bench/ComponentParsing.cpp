#include "ComponentParsing.h"

#include "Activation.h"
#include "BStr.h"
#include "ComPtr.h"
#include "EventSinks.h"
#include "KXSAX2.h"
#include "Variant.h"

namespace bench {
namespace {

// Event count and string lengths, as the ParserCore sink counts them.
class TallyHandler final : public EventHandler {
public:
    void setLocator(ISAXLocator*) override {}
    void startDocument() override {}
    void endDocument() override {}
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      ISAXAttributes* attributes) override
    {
        events++;
        units += uri.size() + localName.size() + rawName.size();
        int32_t count = 0;
        attributes->getLength(&count);
        for (int32_t i = 0; i < count; ++i) {
            BStr local, value;
            attributes->getLocalName(i, local.out());
            attributes->getValue(i, value.out());
            units += local.view().size() + value.view().size();
        }
    }
    void endElement(std::u16string_view, std::u16string_view localName, std::u16string_view) override
    {
        events++;
        units += localName.size();
    }
    void processingInstruction(std::u16string_view, std::u16string_view data) override
    {
        events++;
        units += data.size();
    }
    void characters(std::u16string_view text, int32_t) override
    {
        events++;
        units += text.size();
    }
    void comment(std::u16string_view text) override
    {
        events++;
        units += text.size();
    }
    void cdata(std::u16string_view) override {}
    void startPrefixMapping(std::u16string_view, std::u16string_view) override {}
    void endPrefixMapping(std::u16string_view) override {}

    size_t events = 0;
    size_t units = 0;
};

template <class Sink>
void ParseWithComponent(benchmark::State& state, const std::string* bytes, const IID& pointIid)
{
    ComPtr<ISAXXMLReader> reader;
    if (FAILED(CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid()))) {
        state.SkipWithError("the sax component cannot be created");
        return;
    }
    TallyHandler tally;
    auto sink = ComPtr<IUnknown>::adopt(new Sink(tally));
    auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    container->FindConnectionPoint(pointIid, point.out());
    point->Advise(sink.get(), &cookie);
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

void ParseWithComponentVtable(benchmark::State& state, const std::string* bytes)
{
    ParseWithComponent<VtableEventSink>(state, bytes, IID_ISAXContentHandler);
}

void ParseWithComponentDispatch(benchmark::State& state, const std::string* bytes)
{
    ParseWithComponent<DispatchEventSink>(state, bytes, DIID__ISAXContentHandler);
}

}  // namespace bench
