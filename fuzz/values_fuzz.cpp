// Fuzz entry for the values-file reader, on the first device of the sample
// description. Any bytes are applied or refused with FileError; the values
// then save to a file that reads back and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "FileError.h"
#include "FuzzFolder.h"
#include "LoadedDescription.h"
#include "ValuesFileReader.h"
#include "ValuesFileWriter.h"

namespace {

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static velk::fuzz::LoadedDescription& sample = []() -> velk::fuzz::LoadedDescription& {
        velk::fuzz::UseBuiltComponents();
        static velk::fuzz::LoadedDescription loaded(VELK_SAMPLE_DESCRIPTION);
        if (loaded.dialogs.shown != 0 || !loaded.state.currentDevice) std::abort();
        return loaded;
    }();
    const std::string input = velk::fuzz::WriteFuzzFile("input.val", {reinterpret_cast<const char*>(data), size});
    try {
        velk::ReadValuesFile(sample.state, sample.window, input);
    } catch (const velk::FileError&) {
        return 0;
    }
    const std::string saved = velk::fuzz::FuzzFolder().file("saved.val");
    const std::string again = velk::fuzz::FuzzFolder().file("again.val");
    velk::WriteValuesFile(sample.state, saved);
    velk::ReadValuesFile(sample.state, sample.window, saved);
    velk::WriteValuesFile(sample.state, again);
    if (Bytes(saved) != Bytes(again)) std::abort();
    return 0;
}
