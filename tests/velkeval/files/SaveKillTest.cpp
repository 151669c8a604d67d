#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "HeadlessRegisterView.h"
#include "RecordingDescriptionWindow.h"
#include "SavedModel.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "ValuesFileWriter.h"

namespace velk::test {
namespace {

using Clock = std::chrono::steady_clock;

// Saves of the sample description and its values over files that hold
// other bytes, each in a child process that is killed at a random moment.
TEST(SaveKill, TheTargetsHoldTheirOldOrNewBytesAndTheNextSaveReusesWhatAKillLeft)
{
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    RecordingDescriptionWindow window;
    ParseFile(state, window, VELK_SAMPLE_DESCRIPTION, "");
    ASSERT_TRUE(dialogs.messages().empty());

    TempDir dir;
    const std::string description = dir.file("board.xml"), values = dir.file("board.val");
    const std::string oldDescription = ReadBytes(VELK_SAMPLE_DESCRIPTION), oldValues = "old values\n";
    // In a child, so that the program state stays the loaded one.
    auto save = [&] {
        return ChildProcess([&] {
            if (!doXMLSave(state, window, description, "3/14/2005")) return 1;
            WriteValuesFile(state, values);
            return 0;
        });
    };
    const Clock::time_point first = Clock::now();
    ASSERT_EQ(save().ExitCode(), 0);
    const auto saveTime = Clock::now() - first;
    const std::string newDescription = ReadBytes(description), newValues = ReadBytes(values);
    ASSERT_NE(newDescription, oldDescription);

    std::mt19937 random(7);
    std::uniform_int_distribution<long long> moment(0, (saveTime * 3 / 2).count());
    int rounds = 0, cutShort = 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(8);
    for (; rounds < 300 && Clock::now() < deadline; ++rounds) {
        WriteBytes(description, oldDescription);
        WriteBytes(values, oldValues);
        {
            ChildProcess killed = save();
            std::this_thread::sleep_for(Clock::duration(moment(random)));
            killed.Kill();
            killed.ExitCode();
        }
        const std::string descriptionNow = ReadBytes(description), valuesNow = ReadBytes(values);
        ASSERT_TRUE(descriptionNow == oldDescription || descriptionNow == newDescription) << "round " << rounds;
        ASSERT_TRUE(valuesNow == oldValues || valuesNow == newValues) << "round " << rounds;
        cutShort += valuesNow == oldValues;

        ASSERT_EQ(save().ExitCode(), 0) << "round " << rounds;
        EXPECT_EQ(ReadBytes(description), newDescription);
        EXPECT_EQ(ReadBytes(values), newValues);
        // Both targets and nothing else: a left temporary file was reused.
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), std::filesystem::directory_iterator()), 2) << "round " << rounds;
    }
    EXPECT_GT(cutShort, 0) << "no kill came before a save ended, in " << rounds << " rounds";
    RecordProperty("rounds", rounds);
}

}  // namespace
}  // namespace velk::test
