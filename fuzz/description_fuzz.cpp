// Fuzz entry for the description loader. Any bytes either load or are
// refused with exactly one message. A loaded device saves to a file that
// loads back without a message and with the same layout, and saving that
// gives the same bytes but for the date.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "DescriptionSaver.h"
#include "FuzzFolder.h"
#include "LayoutDifference.h"
#include "LoadedDescription.h"

namespace {

using velk::fuzz::LoadedDescription;

void Require(bool condition)
{
    if (!condition) std::abort();
}

// The file's bytes without the line of its save date (the first
// "<modified" element, which the header holds).
std::string WithoutDate(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    const size_t date = text.find("<modified");
    Require(date != std::string::npos);
    const size_t lineStart = text.rfind('\n', date) + 1;
    text.erase(lineStart, text.find('\n', date) - lineStart);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = (velk::fuzz::UseBuiltComponents(), true);
    (void)ready;
    const std::string input = velk::fuzz::WriteFuzzFile("input.xml", {reinterpret_cast<const char*>(data), size});
    LoadedDescription loaded(input);
    Require(loaded.dialogs.shown <= 1);
    if (loaded.dialogs.shown != 0 || !loaded.state.currentDevice) return 0;

    const std::string saved = velk::fuzz::FuzzFolder().file("saved.xml");
    Require(velk::doXMLSave(loaded.state, loaded.window, saved, "1/2/2003"));
    LoadedDescription reloaded(saved);
    Require(reloaded.dialogs.shown == 0);
    Require(velk::test::LayoutDifference(loaded.state, reloaded.state).empty());

    const std::string again = velk::fuzz::FuzzFolder().file("again.xml");
    Require(velk::doXMLSave(reloaded.state, reloaded.window, again, "12/31/2024"));
    Require(WithoutDate(saved) == WithoutDate(again));
    return 0;
}
