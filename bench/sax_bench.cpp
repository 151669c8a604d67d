// ParserCore against expat and libxml2's SAX interface on the same bytes,
// all three namespace-aware, each with a handler that takes every event and
// its strings. Reports bytes per second; compare ParserCore with libxml2.
// On the generated description also the sax component with a vtable and
// with a dispatch subscriber: compare them with ParserCore direct.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <libxml/parser.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ComponentParsing.h"
#include "ContentSink.h"
#include "DeviceDescriptionGenerator.h"
#include "MemoryByteSource.h"
#include "ParserCore.h"

namespace {

struct Input {
    std::string label;
    std::string bytes;
};

// Event count and string lengths, so no parser can skip the work.
struct Tally {
    size_t events = 0;
    size_t characters = 0;
};

class TallySink final : public sax::ContentSink {
public:
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      sax::AttributeList attributes) override
    {
        tally.events++;
        tally.characters += uri.size() + localName.size() + rawName.size();
        for (const sax::Attribute& a : attributes) tally.characters += a.localName.size() + a.value.size();
    }
    void endElement(std::u16string_view, std::u16string_view localName, std::u16string_view) override
    {
        tally.events++;
        tally.characters += localName.size();
    }
    void characters(std::u16string_view text, int32_t, int32_t) override
    {
        tally.events++;
        tally.characters += text.size();
    }
    void processingInstruction(std::u16string_view, std::u16string_view data) override
    {
        tally.events++;
        tally.characters += data.size();
    }
    void comment(std::u16string_view text) override
    {
        tally.events++;
        tally.characters += text.size();
    }
    Tally tally;
};

void ParseWithParserCore(benchmark::State& state, const Input* input)
{
    for (auto _ : state) {
        sax::ParserCore parser;
        TallySink sink;
        parser.setContentSink(&sink);
        sax::MemoryByteSource source(input->bytes);
        parser.parse(source, false);
        benchmark::DoNotOptimize(sink.tally);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input->bytes.size()));
}

void ParseWithExpat(benchmark::State& state, const Input* input)
{
    for (auto _ : state) {
        Tally tally;
        XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
        XML_SetUserData(parser, &tally);
        XML_SetElementHandler(
            parser,
            [](void* data, const XML_Char* name, const XML_Char** attributes) {
                auto& t = *static_cast<Tally*>(data);
                t.events++;
                t.characters += std::strlen(name);
                for (; *attributes; attributes += 2) t.characters += std::strlen(attributes[0]) + std::strlen(attributes[1]);
            },
            [](void* data, const XML_Char* name) {
                auto& t = *static_cast<Tally*>(data);
                t.events++;
                t.characters += std::strlen(name);
            });
        XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char*, int length) {
            auto& t = *static_cast<Tally*>(data);
            t.events++;
            t.characters += static_cast<size_t>(length);
        });
        if (XML_Parse(parser, input->bytes.data(), static_cast<int>(input->bytes.size()), 1) != XML_STATUS_OK)
            state.SkipWithError("expat refused the input");
        XML_ParserFree(parser);
        benchmark::DoNotOptimize(tally);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input->bytes.size()));
}

void ParseWithLibxml2(benchmark::State& state, const Input* input)
{
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = [](void* data, const xmlChar* localName, const xmlChar*, const xmlChar* uri, int,
                                const xmlChar**, int attributeCount, int, const xmlChar** attributes) {
        auto& t = *static_cast<Tally*>(data);
        t.events++;
        t.characters += std::strlen(reinterpret_cast<const char*>(localName)) +
                        (uri ? std::strlen(reinterpret_cast<const char*>(uri)) : 0);
        for (int i = 0; i < attributeCount; ++i) {  // localname, prefix, URI, value, end per attribute
            const xmlChar* const* a = attributes + 5 * i;
            t.characters += std::strlen(reinterpret_cast<const char*>(a[0])) + static_cast<size_t>(a[4] - a[3]);
        }
    };
    handler.endElementNs = [](void* data, const xmlChar* localName, const xmlChar*, const xmlChar*) {
        auto& t = *static_cast<Tally*>(data);
        t.events++;
        t.characters += std::strlen(reinterpret_cast<const char*>(localName));
    };
    handler.characters = [](void* data, const xmlChar*, int length) {
        auto& t = *static_cast<Tally*>(data);
        t.events++;
        t.characters += static_cast<size_t>(length);
    };
    for (auto _ : state) {
        Tally tally;
        if (xmlSAXUserParseMemory(&handler, &tally, input->bytes.data(), static_cast<int>(input->bytes.size())) != 0)
            state.SkipWithError("libxml2 refused the input");
        benchmark::DoNotOptimize(tally);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input->bytes.size()));
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// About 20 MB of generated description.
std::string TwentyMegabyteDescription()
{
    const size_t perHundred = bench::DeviceDescription(100).size();
    return bench::DeviceDescription(static_cast<int>(20'000'000 / perHundred * 100));
}

}  // namespace

int main(int argc, char** argv)
{
    static std::vector<Input> inputs;
    for (const char* path : {"/usr/share/xml/iso-codes/iso_639-3.xml", "/usr/share/mime/packages/freedesktop.org.xml"}) {
        std::string bytes = ReadFile(path);
        if (bytes.empty()) {
            std::fprintf(stderr, "skipping %s: not readable (install iso-codes and shared-mime-info)\n", path);
            continue;
        }
        inputs.push_back({std::strrchr(path, '/') + 1, std::move(bytes)});
    }
    inputs.push_back({"generated-device-20MB.xml", TwentyMegabyteDescription()});
    const Input& generated = inputs.back();
    // The component is found beside the build's tools unless the caller says otherwise.
    setenv("VELK_COMPONENT_PATH", SAX_COMPONENT_FOLDER, 0);

    for (const Input& input : inputs) {
        benchmark::RegisterBenchmark(("ParserCore/" + input.label).c_str(), ParseWithParserCore, &input)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("expat/" + input.label).c_str(), ParseWithExpat, &input)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("libxml2/" + input.label).c_str(), ParseWithLibxml2, &input)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("component-vtable/" + generated.label).c_str(), bench::ParseWithComponentVtable,
                                 &generated.bytes)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("component-dispatch/" + generated.label).c_str(), bench::ParseWithComponentDispatch,
                                 &generated.bytes)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xmlCleanupParser();
    return 0;
}
