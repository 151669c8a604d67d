#include "NewWindowCommand.h"

namespace velk {
namespace {

std::string WithBlankMarks(const std::string& text)
{
    std::string marked;
    for (const char c : text) {
        if (c == ' ') marked += "~spc";
        else marked += c;
    }
    return marked;
}

}  // namespace

ProgramStart NewWindowStart(const std::string& programPath, const std::string& fileName,
                            const std::string& deviceName)
{
    return {programPath, {"-open", WithBlankMarks(fileName), WithBlankMarks(deviceName)}};
}

}  // namespace velk
