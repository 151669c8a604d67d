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

std::optional<OpenRequest> ReadCommandLine(const std::vector<std::string>& words)
{
    std::optional<OpenRequest> request;
    for (size_t i = 0; i + 2 < words.size(); ++i) {
        if (LowerCase(words[i]) == "-open") request = OpenRequest{WithBlanks(words[i + 1]), WithBlanks(words[i + 2])};
    }
    return request;
}

}  // namespace velk
