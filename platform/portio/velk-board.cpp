// velk-board: inspect and set the simulated board from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "BoardTool.h"

int main(int argc, char** argv)
{
    return portio::RunBoardTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
