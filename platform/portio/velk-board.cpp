// velk-board: inspect and set the simulated board from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "BoardTool.h"
#include "ProgramInfo.h"

int main(int argc, char** argv)
{
    if (velk_program::AnswerInfoWord(velk_program::FindInfoWord(argc, argv), "velk-board", portio::BoardToolUsage()))
        return 0;
    return portio::RunBoardTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
