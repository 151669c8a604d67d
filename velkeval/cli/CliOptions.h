#pragma once

#include <set>
#include <string>
#include <vector>

namespace velk::cli {

// The command line split into the command, its operands and the options,
// which may stand anywhere after the program name ("--" ends them).
struct CliOptions {
    std::string command;                 // empty: none given
    std::vector<std::string> operands;
    std::set<std::string> given;         // the long names of the options met ("device", "json", ...)

    std::string device;                  // -d, --device: empty for the file's first device
    std::string link = "lpt1";           // --link: lpt1, lpt2, ecp, com, usb, i2c-dev
    std::string linkTarget;              // after "com:" a COM number or device path, after "usb:" a board number
    int i2cBus = -1;                     // --bus: the Linux I2C bus of --link i2c-dev
    std::string backend;                 // --backend: empty to follow VELK_PORTIO
    std::string tracePath;               // --trace: VCD file recording the bus
    std::string outputPath;              // -o, --output
    std::string radix;                   // --radix: empty for decimal and hexadecimal
    bool noProbe = false;                // --no-probe
    bool forceRegister = false;          // --register
    bool addr8 = false;                  // --addr8
    bool json = false;                   // --json
    bool help = false;                   // -h, --help
    bool version = false;                // --version

    bool has(const std::string& option) const { return given.count(option) != 0; }
};

// Splits the arguments (the words after the program name). Throws
// UsageError for an unknown option, an option without its value or a value
// that names nothing, and for --link i2c-dev without --bus or the other way
// round.
CliOptions ParseCliOptions(const std::vector<std::string>& arguments);

}  // namespace velk::cli
