#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "SimBoard.h"
#include "TempDir.h"

using namespace portio;

TEST(SimBoard, StateOutlivesTheProcessThatWroteItAndResetClearsIt)
{
    TempDir dir;
    const std::string path = dir.file("board");
    {
        SimBoard board(path);
        board.SetRegister(0x4C, 0x10, 0x5A);
        board.SetAnswering(AnsweringSet().set(0x4C));
    }
    SimBoard board(path);
    EXPECT_EQ(board.Registers(0x4C)[0x10], 0x5A);
    EXPECT_EQ(board.Answering(), AnsweringSet().set(0x4C));

    board.Reset();
    EXPECT_EQ(board.Registers(0x4C)[0x10], 0);
    EXPECT_TRUE(board.Answering().all());
    EXPECT_EQ(board.LastDeWord().latchCount, 0u);
}

TEST(SimBoard, AProcessThatDiesHoldingTheLockDoesNotLockTheBoard)
{
    TempDir dir;
    SimBoard board(dir.file("board"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SimBoard::Lock lock(board);
        _exit(0);  // dies with the lock held
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    board.Out(888, 0x1F);  // would block for ever on a lock that is not robust
    EXPECT_EQ(board.In(888), 0x1F);
    EXPECT_EQ(board.OperationCount(), 2u);
}

TEST(SimBoard, AFileOfAnotherLayoutIsSetUpAfreshAndALinkIsRefused)
{
    TempDir dir;
    const std::string path = dir.file("board");
    std::ofstream(path) << "not a board";
    SimBoard board(path);
    EXPECT_EQ(board.Registers(0)[0], 0);
    EXPECT_TRUE(board.Answering().all());

    const std::string link = dir.file("link");
    std::filesystem::create_symlink(path, link);
    EXPECT_THROW(SimBoard{link}, PortError);
    EXPECT_THROW(SimBoard{dir.file("missing-folder/board")}, PortError);
}

TEST(SimBoard, PortsBesideTheAdapterFloat)
{
    TempDir dir;
    SimBoard board(dir.file("board"));
    EXPECT_EQ(board.In(0x3F8), 0xFF);
    EXPECT_EQ(board.In(888 + 0x400), 0xFF);
    EXPECT_EQ(board.In(889), 0xFF);  // SDA high on an idle bus: status bit 3 set
    board.Out(632, 0x1C);            // LPT 2 reaches the same adapter
    EXPECT_EQ(board.In(888), 0x1C);
}
