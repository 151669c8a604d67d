// saxdump: reads an XML document through the sax component and prints its
// events as JSON lines. It is also the worked example of a client: create
// the reader through the component runtime, subscribe on a connection point,
// parse, read the outcome.
//
//   saxdump [--vtable] [--progid[=NAME]] [--property NAME=VALUE]... [--feature NAME=0|1]... [FILE | -]
//
// Without FILE (or with "-") standard input is parsed as bytes through
// parseEx over a stream. Exit status: 0 parsed, 1 parse error (the last line
// is an "error" event), 2 the component cannot be created, 64 bad usage or a
// refused setting.
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "Activation.h"
#include "BStr.h"
#include "ComPtr.h"
#include "EventSinks.h"
#include "JsonEventWriter.h"
#include "KXSAX2.h"
#include "TextConversion.h"
#include "Variant.h"
#include "ProgramInfo.h"

namespace {

constexpr int kParseFailed = 1;
constexpr int kNoComponent = 2;
constexpr int kUsage = 64;

struct Options {
    bool vtable = false;
    std::string progId;  // empty: create by class id
    std::vector<std::pair<std::string, std::string>> properties;
    std::vector<std::pair<std::string, bool>> features;
    std::string file;  // empty or "-": standard input
};

constexpr const char* UsageText =
    "usage: saxdump [--vtable] [--progid[=NAME]] [--property NAME=VALUE]... [--feature NAME=0|1]... [FILE | -]\n"
    "Parses FILE (standard input with - or none) through the sax component and prints its events, one JSON\n"
    "object a line.\n";

int Usage(const char* problem)
{
    if (problem) std::fprintf(stderr, "saxdump: %s\n", problem);
    std::fputs(UsageText, stderr);
    return kUsage;
}

// Splits "NAME=VALUE"; false when there is no "=".
bool SplitSetting(const char* text, std::string& name, std::string& value)
{
    const char* equals = std::strrchr(text, '=');
    if (!equals) return false;
    name.assign(text, equals);
    value = equals + 1;
    return !name.empty();
}

bool ReadOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string name, value;
        if (arg == "--vtable") {
            options.vtable = true;
        } else if (arg == "--progid") {
            options.progId = "SAX2.SAXXMLReader";
        } else if (arg.starts_with("--progid=")) {
            options.progId = arg.substr(9);
        } else if (arg == "--property" && i + 1 < argc && SplitSetting(argv[i + 1], name, value)) {
            options.properties.emplace_back(name, value);
            ++i;
        } else if (arg == "--feature" && i + 1 < argc && SplitSetting(argv[i + 1], name, value) &&
                   (value == "0" || value == "1")) {
            options.features.emplace_back(name, value == "1");
            ++i;
        } else if ((arg == "-" || !arg.starts_with("-")) && options.file.empty()) {
            options.file = arg;
        } else {
            return false;
        }
    }
    return true;
}

HRESULT CreateReader(const Options& options, ComPtr<ISAXXMLReader>& reader)
{
    CLSID clsid = CLSID_SAXXMLReader;
    if (!options.progId.empty()) {
        if (const HRESULT hr = CLSIDFromProgID(Utf16FromUtf8(options.progId), &clsid); FAILED(hr)) return hr;
    }
    return CoCreateInstance(clsid, nullptr, IID_ISAXXMLReader, reader.outVoid());
}

// Settings before the parse; they apply to that one parse.
bool ApplySettings(const Options& options, ISAXXMLReader& reader)
{
    for (const auto& [name, value] : options.properties) {
        BStr key(Utf16FromUtf8(name));
        Variant text = Variant::Text(Utf16FromUtf8(value));
        if (FAILED(reader.setProperty(key.get(), text.get()))) {
            std::fprintf(stderr, "saxdump: property %s refused\n", name.c_str());
            return false;
        }
    }
    for (const auto& [name, on] : options.features) {
        BStr key(Utf16FromUtf8(name));
        if (FAILED(reader.setFeature(key.get(), on ? VARIANT_TRUE : VARIANT_FALSE))) {
            std::fprintf(stderr, "saxdump: feature %s refused\n", name.c_str());
            return false;
        }
    }
    return true;
}

HRESULT Parse(const Options& options, ISAXXMLReader& reader, VARIANT_BOOL& ok)
{
    if (!options.file.empty() && options.file != "-") {
        BStr path(Utf16FromUtf8(options.file));
        return reader.parseFile(path.get(), &ok);
    }
    auto stream = ComPtr<IStream>::adopt(CreateStreamOnDescriptor(0));
    if (!stream) return E_OUTOFMEMORY;
    Variant input = Variant::Object(stream.get());
    return reader.parseEx(input.get(), &ok);
}

int Run(const Options& options)
{
    ComPtr<ISAXXMLReader> reader;
    if (const HRESULT hr = CreateReader(options, reader); FAILED(hr)) {
        std::fprintf(stderr, "saxdump: cannot create the reader (0x%08X)\n", static_cast<unsigned>(hr));
        return kNoComponent;
    }
    if (!ApplySettings(options, *reader.get())) return kUsage;

    JsonEventWriter writer(stdout);
    ComPtr<IUnknown> sink;
    if (options.vtable)
        sink = ComPtr<IUnknown>::adopt(new VtableEventSink(writer));
    else
        sink = ComPtr<IUnknown>::adopt(new DispatchEventSink(writer));

    auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    if (!container ||
        FAILED(container->FindConnectionPoint(options.vtable ? IID_ISAXContentHandler : DIID__ISAXContentHandler,
                                              point.out())) ||
        FAILED(point->Advise(sink.get(), &cookie))) {
        std::fprintf(stderr, "saxdump: cannot subscribe to the reader's events\n");
        return kNoComponent;
    }

    VARIANT_BOOL ok = VARIANT_FALSE;
    const HRESULT hr = Parse(options, *reader.get(), ok);
    point->Unadvise(cookie);
    if (FAILED(hr)) {
        std::fprintf(stderr, "saxdump: the parse call failed (0x%08X)\n", static_cast<unsigned>(hr));
        return kParseFailed;
    }
    if (ok) return 0;

    BStr message;
    reader->get_lastError(message.out());
    int32_t line = 0, column = 0;
    if (auto locator = reader.as<ISAXLocator>(IID_ISAXLocator)) {
        locator->getLineNumber(&line);
        locator->getColumnNumber(&column);
    }
    writer.error(message.view(), line, column);
    return kParseFailed;
}

}  // namespace

int main(int argc, char** argv)
{
    if (velk_program::AnswerInfoWord(velk_program::FindInfoWord(argc, argv), "saxdump", UsageText)) return 0;
    Options options;
    if (!ReadOptions(argc, argv, options)) return Usage("unknown or incomplete option");
    const int status = Run(options);
    std::fflush(stdout);
    CoFreeUnusedLibraries();
    return status;
}
