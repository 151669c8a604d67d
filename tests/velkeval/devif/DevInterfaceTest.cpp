#include <gtest/gtest.h>

#include <array>

#include "DevInterface.h"
#include "ScriptedDialogs.h"

using namespace velk;

TEST(DevInterface, EveryOwnBodySaysItShouldNotRunAndGivesNothing)
{
    ScriptedDialogs dialogs;
    DevInterface bare(dialogs);
    std::array<int16_t, 2> data{5, 6};

    EXPECT_FALSE(bare.isConnected());
    bare.Disconnect();
    EXPECT_FALSE(bare.Connect(0x98));
    bare.WriteBytes(1, data);
    bare.ReadBytes(1, data);
    bare.WriteByte(1, 2);
    EXPECT_EQ(bare.ReadByte(1), 0);
    bare.Configure("LPTPORT", int64_t{888});
    EXPECT_EQ(bare.DevType(), "");

    EXPECT_EQ(data, (std::array<int16_t, 2>{5, 6}));
    ASSERT_EQ(dialogs.messages().size(), 9u);
    for (const Message& message : dialogs.messages()) {
        EXPECT_EQ(message.title, "Error");
        EXPECT_EQ(message.text, "Error: DevInterface code should not run!");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
    }
}

TEST(ScriptedDialogs, QuestionsTakeTheQueuedAnswersAndAnUnscriptedOneFails)
{
    ScriptedDialogs dialogs;
    dialogs.QueueAnswer(MessageAnswer::No);
    EXPECT_EQ(dialogs.ShowMessage({"Save", "Save changes?", MessageIcon::Question, MessageButtons::YesNo}),
              MessageAnswer::No);
    EXPECT_EQ(dialogs.ShowMessage({"Note", "Done.", MessageIcon::None, MessageButtons::Ok}), MessageAnswer::Ok);
    EXPECT_THROW(dialogs.ShowMessage({"Save", "Again?", MessageIcon::Question, MessageButtons::YesNoCancel}),
                 std::logic_error);
    EXPECT_EQ(dialogs.messages().size(), 3u);
    EXPECT_EQ(dialogs.messages()[0].text, "Save changes?");
}
