#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "BoardTool.h"
#include "SimBoard.h"
#include "TempDir.h"

using namespace portio;

namespace {

struct BoardToolFixture : ::testing::Test {
    TempDir dir;
    std::string board = dir.file("board");
    std::ostringstream out, err;

    int Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--board", board});
        out.str("");
        err.str("");
        return RunBoardTool(args, out, err);
    }
};

}  // namespace

TEST_F(BoardToolFixture, SetDumpAnswerAndReset)
{
    ASSERT_EQ(Run({"set", "0x4C", "0x1F", "170"}), 0);
    ASSERT_EQ(Run({"dump", "76"}), 0);
    EXPECT_NE(out.str().find("chip 0x4C\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\n10: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 AA\n"), std::string::npos)
        << out.str();

    ASSERT_EQ(Run({"answer", "0x4C", "0x50"}), 0);
    EXPECT_EQ(out.str(), "answering: 0x4C 0x50\n");
    ASSERT_EQ(Run({"dump", "0x10"}), 0);
    EXPECT_NE(out.str().find("chip 0x10 (absent: does not answer)"), std::string::npos);

    ASSERT_EQ(Run({"reset"}), 0);
    ASSERT_EQ(Run({"answer"}), 0);
    EXPECT_EQ(out.str(), "every address answers\n");
    EXPECT_EQ(SimBoard(board).Registers(0x4C)[0x1F], 0);
}

TEST_F(BoardToolFixture, TheDataEnableWordAndItsFields)
{
    ASSERT_EQ(Run({"de"}), 0);
    EXPECT_EQ(out.str(), "no data-enable word latched\n");
    {
        SimBoard sim(board);
        auto write = [&sim](uint8_t data) { sim.Out(888, data); };
        write(24);
        for (int bit = 0; bit < 16; ++bit) {  // sixteen "1": the data line stays low
            write(25);
            write(24);
        }
        write(28);
    }
    ASSERT_EQ(Run({"de"}), 0);
    EXPECT_EQ(out.str(),
              "1111111111111111  (0xFFFF, latched 1 time)\n"
              "Hsync delay 255, Vsync delay 63, Hsync active high, Vsync active high\n");
}

TEST_F(BoardToolFixture, MistakesAreReportedWithTheUsage)
{
    EXPECT_EQ(Run({"dump", "0x98"}), 2);
    EXPECT_NE(err.str().find("is not a number from 0 to 127"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("usage: velk-board"), std::string::npos);
    EXPECT_EQ(Run({"set", "0x4C", "256", "0"}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"trace", dir.file("missing.vcd")}), 2);
}
