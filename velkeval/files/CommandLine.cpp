#include "CommandLine.h"

#include <string_view>

#include "TextCase.h"

namespace velk {
namespace {

constexpr std::string_view BlankMark = "~spc";

std::string WithBlanks(std::string_view word)
{
    std::string text;
    for (size_t at = word.find(BlankMark); at != std::string_view::npos; at = word.find(BlankMark)) {
        text.append(word.substr(0, at)).push_back(' ');
        word.remove_prefix(at + BlankMark.size());
    }
    return text.append(word);
}

}  // namespace

bool IsBusNumber(std::string_view word)
{
    return !word.empty() && word.size() <= 4 && word.find_first_not_of("0123456789") == std::string_view::npos;
}

ProgramWords TakeProgramWords(std::vector<std::string>& words)
{
    ProgramWords asked;
    std::vector<std::string> rest;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--help" || words[i] == "--version") {
            (words[i] == "--help" ? asked.help : asked.version) = true;
            continue;
        }
        if (LowerCase(words[i]) == "-full") {
            asked.full = true;
            continue;
        }
        if (LowerCase(words[i]) != "-i2cbus") {
            rest.push_back(words[i]);
            continue;
        }
        if (i + 1 < words.size() && IsBusNumber(words[i + 1])) asked.i2cBus = static_cast<int16_t>(std::stoi(words[++i]));
    }
    words = std::move(rest);
    return asked;
}

std::optional<OpenRequest> ReadCommandLine(std::vector<std::string> words)
{
    TakeProgramWords(words);
    std::optional<OpenRequest> request;
    for (size_t i = 0; i + 2 < words.size(); ++i) {
        if (LowerCase(words[i]) == "-open") request = OpenRequest{WithBlanks(words[i + 1]), WithBlanks(words[i + 2])};
    }
    return request;
}

}  // namespace velk
