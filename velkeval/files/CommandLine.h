#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velk {

// The description and device a command line asks for.
struct OpenRequest {
    std::string fileName;
    std::string deviceName;
};

// Reads the process arguments (without the program name), each one word as
// the process received it: a word "-open" (any letter case) followed by at
// least two more words names the file and the device, with every "~spc"
// standing for a blank. The last such group wins; nothing without one.
std::optional<OpenRequest> ReadCommandLine(const std::vector<std::string>& words);

}  // namespace velk
