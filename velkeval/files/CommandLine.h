#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The description and device a command line asks for.
struct OpenRequest {
    std::string fileName;
    std::string deviceName;
};

// What the words the program adds to the command line ask for.
struct ProgramWords {
    // "-i2cbus N" (any letter case, N a decimal bus number): start on the
    // Linux I2C link, bus /dev/i2c-N. The last one wins.
    std::optional<int16_t> i2cBus;
    // "--help" and "--version": answered instead of starting the window.
    bool help = false;
    bool version = false;
    // "-full" (any letter case): the Edit menu, the description file
    // commands and the other links' entries stay visible.
    bool full = false;
};

// A Linux I2C bus number as the command lines take it: one to four decimal digits.
bool IsBusNumber(std::string_view word);

// Takes the program's own words out of the process arguments, so that they
// never become a file or device name, and returns what they ask for. A
// word's value is taken with it only when it is one (a bus number).
ProgramWords TakeProgramWords(std::vector<std::string>& words);

// Reads the process arguments (without the program name), each one word as
// the process received it. The program's own words are taken out first;
// then a word "-open" (any letter case) followed by at least two more words
// names the file and the device, with every "~spc" standing for a blank.
// The last such group wins; nothing without one.
std::optional<OpenRequest> ReadCommandLine(std::vector<std::string> words);

}  // namespace velk
