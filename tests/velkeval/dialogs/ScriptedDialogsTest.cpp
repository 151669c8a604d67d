#include <gtest/gtest.h>

#include <stdexcept>

#include "ScriptedDialogs.h"

using namespace velk;

namespace {

FileRequest Request(const std::string& title, const std::string& filter)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    return request;
}

}  // namespace

TEST(ScriptedDialogs, FileAndColourDialogsTakeQueuedAnswersAndAreRecorded)
{
    ScriptedDialogs dialogs;
    dialogs.QueueFileName("/tmp/a.val");
    dialogs.QueueFileName(std::nullopt);
    dialogs.QueueColour(0x0000FF);
    EXPECT_EQ(dialogs.OpenFileName(Request("Open", "Values (*.val)")), "/tmp/a.val");
    EXPECT_EQ(dialogs.SaveFileName(Request("Save", "Values (*.val)")), std::nullopt);
    EXPECT_EQ(dialogs.ChooseColour(0xFFFFFF), 0x0000FF);
    dialogs.Beep();
    dialogs.Beep();

    ASSERT_EQ(dialogs.fileCalls().size(), 2u);
    EXPECT_EQ(dialogs.fileCalls()[0].kind, ScriptedDialogs::FileKind::Open);
    EXPECT_EQ(dialogs.fileCalls()[0].request.filter, "Values (*.val)");
    EXPECT_EQ(dialogs.fileCalls()[1].kind, ScriptedDialogs::FileKind::Save);
    EXPECT_EQ(dialogs.colourCalls(), std::vector<int32_t>{0xFFFFFF});
    EXPECT_EQ(dialogs.beeps(), 2);

    // A dialog nobody scripted fails the test instead of being answered at random.
    EXPECT_THROW(dialogs.OpenFileName(Request("Open", "")), std::logic_error);
    EXPECT_THROW(dialogs.ChooseColour(0), std::logic_error);
}
