// ParserCore against expat and libxml2's SAX interface on the same bytes,
// all three namespace-aware, each with a handler that takes every event and
// its strings. Repetitions of every parser and input run interleaved in a
// random order, so that a change in the machine's load falls on all of them;
// the last lines give each parser's median and ParserCore's ratio to the others.
// On the generated description also the sax component with a vtable and
// with a dispatch subscriber, each taking the events alone and, apart, also
// every attribute's strings through the getters: compare them with
// ParserCore direct.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <libxml/parser.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "ComponentParsing.h"
#include "ContentSink.h"
#include "DeviceDescriptionGenerator.h"
#include "MemoryByteSource.h"
#include "ParserCore.h"
#include "ThroughputRatioReporter.h"

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
        XML_SetProcessingInstructionHandler(parser, [](void* data, const XML_Char*, const XML_Char* text) {
            auto& t = *static_cast<Tally*>(data);
            t.events++;
            t.characters += std::strlen(text);
        });
        XML_SetCommentHandler(parser, [](void* data, const XML_Char* text) {
            auto& t = *static_cast<Tally*>(data);
            t.events++;
            t.characters += std::strlen(text);
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
    handler.processingInstruction = [](void* data, const xmlChar*, const xmlChar* text) {
        auto& t = *static_cast<Tally*>(data);
        t.events++;
        t.characters += text ? std::strlen(reinterpret_cast<const char*>(text)) : 0;
    };
    handler.comment = [](void* data, const xmlChar* text) {
        auto& t = *static_cast<Tally*>(data);
        t.events++;
        t.characters += std::strlen(reinterpret_cast<const char*>(text));
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

    using Parse = void (*)(benchmark::State&, const Input*);
    const std::pair<const char*, Parse> parsers[] = {
        {"ParserCore", ParseWithParserCore}, {"expat", ParseWithExpat}, {"libxml2", ParseWithLibxml2}};
    for (const Input& input : inputs)
        for (const auto& [name, parse] : parsers)
            bench::ThroughputRatioReporter::AddSpreadStatistics(
                benchmark::RegisterBenchmark((std::string(name) + "/" + input.label).c_str(), parse, &input)
                    ->Unit(benchmark::kMillisecond));
    // The goals are for the events; the "+getters" runs add each attribute's
    // strings read through ISAXAttributes, for reference.
    using ParseBytes = void (*)(benchmark::State&, const std::string*, bool);
    const struct {
        const char* name;
        ParseBytes parse;
        bool readAttributes;
    } components[] = {{"component-vtable", bench::ParseWithComponentVtable, false},
                      {"component-dispatch", bench::ParseWithComponentDispatch, false},
                      {"component-vtable+getters", bench::ParseWithComponentVtable, true},
                      {"component-dispatch+getters", bench::ParseWithComponentDispatch, true}};
    for (const auto& component : components)
        bench::ThroughputRatioReporter::AddSpreadStatistics(
            benchmark::RegisterBenchmark((std::string(component.name) + "/" + generated.label).c_str(),
                                         component.parse, &generated.bytes, component.readAttributes)
                ->Unit(benchmark::kMillisecond));

    // Five interleaved repetitions unless the command line says otherwise (later flags win).
    std::vector<char*> arguments{argv[0]};
    std::string defaults[] = {"--benchmark_repetitions=5", "--benchmark_enable_random_interleaving=true",
                              "--benchmark_display_aggregates_only=true"};
    for (std::string& flag : defaults) arguments.push_back(flag.data());
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    std::vector<std::string> parserNames, labels;
    for (const auto& parser : parsers) parserNames.push_back(parser.first);
    for (const auto& component : components) parserNames.push_back(component.name);
    for (const Input& input : inputs) labels.push_back(input.label);
    bench::ThroughputRatioReporter reporter(parserNames, labels);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    xmlCleanupParser();
    return 0;
}
