#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "CliSession.h"

namespace velk::cli {

// Exit statuses of velkeval-cli.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;  // a file, description, link, chip or value failure
inline constexpr int ExitUsage = 2;    // wrong use of the command line

// Runs one velkeval-cli command line (the words after the program name):
// results on out, one error line on err. Returns the exit status. Linux I2C
// buses are reached through i2c (the system's by default).
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, const I2CAccess& i2c = {});

}  // namespace velk::cli
