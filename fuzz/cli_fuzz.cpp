// Fuzz entry for velkeval-cli's RunCli. The input is the argument words,
// one a line, then after a NUL the bytes of file "d.xml" and after another
// those of "v.val". The target confines the command to its own folder: it
// runs there, on the null port backend, drops --backend, --link and --trace
// with their values, and cuts every word down to what follows its last
// "/", so no word names a file elsewhere ("." and ".." become "dot").
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzFolder.h"
#include "RunCli.h"

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    for (size_t end; (end = text.find(separator)) != std::string_view::npos; text.remove_prefix(end + 1))
        pieces.push_back(text.substr(0, end));
    pieces.push_back(text);
    return pieces;
}

bool IsDropped(std::string_view word)
{
    for (std::string_view option : {"--backend", "--link", "--trace"})
        if (word.starts_with(option) && (word.size() == option.size() || word[option.size()] == '=')) return true;
    return false;
}

std::vector<std::string> ConfinedArguments(std::string_view lines)
{
    std::vector<std::string> arguments;
    const std::vector<std::string_view> words = Split(lines, '\n');
    for (size_t i = 0; i < words.size(); ++i) {
        std::string_view word = words[i];
        if (IsDropped(word)) {
            if (word.find('=') == std::string_view::npos) ++i;  // its value
            continue;
        }
        if (const size_t slash = word.rfind('/'); slash != std::string_view::npos) word.remove_prefix(slash + 1);
        arguments.emplace_back(word == "." || word == ".." ? "dot" : word);
    }
    return arguments;
}

// Empties the fuzz folder and makes it the working folder, the port
// backend null and the port lock and board files its own.
void FreshFolder()
{
    static const bool ready = [] {
        velk::fuzz::UseBuiltComponents();
        setenv("VELK_PORTIO", "null", 1);
        setenv("VELK_PORT_LOCK_DIR", velk::fuzz::FuzzFolder().file("").c_str(), 1);
        setenv("VELK_BOARD_STATE", velk::fuzz::FuzzFolder().file("board").c_str(), 1);
        unsetenv("VELK_PORTIO_TRACE");
        unsetenv("VELK_BOARD_ADDRESSES");
        return chdir(velk::fuzz::FuzzFolder().file("").c_str()) == 0;
    }();
    if (!ready) std::abort();
    for (const auto& entry : std::filesystem::directory_iterator(".")) std::filesystem::remove_all(entry.path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FreshFolder();
    const std::vector<std::string_view> pieces = Split({reinterpret_cast<const char*>(data), size}, '\0');
    if (pieces.size() > 1) velk::fuzz::WriteFuzzFile("d.xml", pieces[1]);
    if (pieces.size() > 2) velk::fuzz::WriteFuzzFile("v.val", pieces[2]);
    std::ostringstream out, err;
    const int status = velk::cli::RunCli(ConfinedArguments(pieces[0]), out, err);
    if (status < velk::cli::ExitSuccess || status > velk::cli::ExitUsage) std::abort();
    return 0;
}
