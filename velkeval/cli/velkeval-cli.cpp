#include <iostream>
#include <string>
#include <vector>

#include "RunCli.h"

// velkeval-cli: the register map of a device description on the command
// line, for scripts and machines without a display.
int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return velk::cli::RunCli(arguments, std::cout, std::cerr);
}
