#include <gtest/gtest.h>

#include "CommandLine.h"

namespace velk {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, OpenNeedsTwoMoreWords)
{
    EXPECT_FALSE(ReadCommandLine({}));
    EXPECT_FALSE(ReadCommandLine(Words{"-OPEN", "board.xml"}));
    EXPECT_FALSE(ReadCommandLine(Words{"board.xml", "Scaler"}));
    EXPECT_FALSE(ReadCommandLine(Words{"open", "board.xml", "Scaler"}));

    const auto request = ReadCommandLine(Words{"-OpEn", "board.xml", "Scaler"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->fileName, "board.xml");
    EXPECT_EQ(request->deviceName, "Scaler");
}

TEST(CommandLine, TheLastQualifyingGroupWins)
{
    const auto request = ReadCommandLine(Words{"-open", "a.xml", "A", "-open", "b.xml", "B", "-open", "c.xml"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->fileName, "b.xml");
    EXPECT_EQ(request->deviceName, "B");
}

TEST(CommandLine, SpcMarksStandForBlanksAndArgumentsAreNotSplitAgain)
{
    const auto request =
        ReadCommandLine(Words{"-open", "/home/lab/my~spcboards/two~spc~spcchips.xml", "Edge~spcScaler~spc"});
    ASSERT_TRUE(request);
    EXPECT_EQ(request->fileName, "/home/lab/my boards/two  chips.xml");
    EXPECT_EQ(request->deviceName, "Edge Scaler ");

    // A word with a blank of its own stays one word.
    const auto spaced = ReadCommandLine(Words{"-open", "my board.xml", "Scaler -open x y"});
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->fileName, "my board.xml");
    EXPECT_EQ(spaced->deviceName, "Scaler -open x y");
}

TEST(CommandLine, TheProgramsOwnWordsAreTakenOutBeforeOpenIsRead)
{
    // "-open -i2cbus 2 -Full board.xml Scaler": the words would otherwise be the file.
    Words words{"-open", "-I2CBUS", "2", "-Full", "board.xml", "Scaler", "-i2cbus", "x"};
    const auto request = ReadCommandLine(words);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->fileName, "board.xml");
    EXPECT_EQ(request->deviceName, "Scaler");

    const ProgramWords asked = TakeProgramWords(words);
    EXPECT_EQ(asked.i2cBus, 2);
    EXPECT_TRUE(asked.full);
    EXPECT_EQ(words, (Words{"-open", "board.xml", "Scaler", "x"}));  // a value that is no bus number stays
    Words without{"-open", "a.xml", "A"};
    const ProgramWords none = TakeProgramWords(without);
    EXPECT_FALSE(none.i2cBus);
    EXPECT_FALSE(none.full);
    EXPECT_EQ(without.size(), 3u);
}

}  // namespace
}  // namespace velk
