#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velk::cli {

// Exit statuses of velkeval-cli.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;  // a file, description, link, chip or value failure
inline constexpr int ExitUsage = 2;    // wrong use of the command line

// Runs one velkeval-cli command line (the words after the program name):
// results on out, one error line on err. Returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace velk::cli
