// Fuzz entry for the description loader. Any bytes either load or are
// refused with exactly one message. A loaded device saves to a file that
// loads back without a message and with the same layout, and saving that
// gives the same bytes but for the date.
#include <cstddef>
#include <cstdint>
#include <cstdio>
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

// Ends the run with `what` broken, for the finding's log.
void Require(bool condition, const std::string& what)
{
    if (condition) return;
    std::fprintf(stderr, "description_fuzz: %s\n", what.c_str());
    std::abort();
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
    Require(date != std::string::npos, "a saved file has no date");
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
    Require(loaded.dialogs.shown <= 1, "a refused load showed more than one message");
    if (loaded.dialogs.shown != 0 || !loaded.state.currentDevice) return 0;

    const std::string saved = velk::fuzz::FuzzFolder().file("saved.xml");
    Require(velk::doXMLSave(loaded.state, loaded.window, saved, "1/2/2003"), "the save was refused");
    LoadedDescription reloaded(saved);
    Require(reloaded.dialogs.shown == 0, "the saved file does not load: " + reloaded.dialogs.TakeMessage().value_or(""));
    const std::string difference = velk::test::LayoutDifference(loaded.state, reloaded.state);
    Require(difference.empty(), "the saved file loads another layout: " + difference);

    const std::string again = velk::fuzz::FuzzFolder().file("again.xml");
    Require(velk::doXMLSave(reloaded.state, reloaded.window, again, "12/31/2024"), "the second save was refused");
    Require(WithoutDate(saved) == WithoutDate(again), "saving the reloaded file gives other bytes");
    return 0;
}
