#include <gtest/gtest.h>

#include "ControlEditor.h"
#include "ControlType.h"
#include "Factories.h"
#include "ScriptedDialogs.h"

namespace velk {
namespace {

using Box = ControlEditor::Box;

int EntryOf(int32_t code)
{
    for (size_t i = 0; i < ControlTypeEntries.size(); ++i)
        if (ControlTypeEntries[i].code == code) return static_cast<int>(i);
    return -1;
}

TEST(ControlEditorTest, BoxesAreHeldWithinTheirLimitsWhileTyping)
{
    Group group;
    group.height = 400;
    ControlEditor editor(*NewControlRecord(true), &group);
    editor.Type(Box::Width, "5000");
    EXPECT_EQ(editor.Text(Box::Width), "2000");
    editor.Type(Box::X, "0");
    EXPECT_EQ(editor.Text(Box::X), "1");
    editor.Type(Box::Height, "401");
    EXPECT_EQ(editor.Text(Box::Height), "400");
    editor.Type(Box::Y, "-");  // not yet a number: left as typed
    EXPECT_EQ(editor.Text(Box::Y), "-");

    // A group without fields yet is 0 high; the frame keeps one empty band.
    Group empty;
    ControlEditor inEmpty(*NewControlRecord(true), &empty);
    inEmpty.Type(Box::Y, "300");
    EXPECT_EQ(inEmpty.Text(Box::Y), "50");
}

TEST(ControlEditorTest, ListEntriesFollowMaxAndMin)
{
    auto record = NewControlRecord(false);
    record->min = 2;
    record->setIndexValue(2, "two");
    record->setIndexBold(2, true);
    ControlEditor editor(*record, nullptr);
    ASSERT_EQ(editor.indexList().count(), 1);  // a text box shows entry 0 only

    editor.ChooseType(EntryOf(ControlType::Combo));
    EXPECT_EQ(editor.Text(Box::Min), "0");
    EXPECT_FALSE(editor.enabled().min);
    editor.Type(Box::Max, "3");
    ASSERT_EQ(editor.indexList().count(), 4);

    editor.SelectEntry(2);
    EXPECT_EQ(editor.entryText, "two");
    EXPECT_TRUE(editor.entryLook.bold);
    editor.entryText = "changed";
    editor.entryLook.fg = 0xFF;
    editor.ChangeEntry();
    editor.Type(Box::Max, "1");  // drops entries 2 and 3 with their look
    EXPECT_EQ(editor.indexList().count(), 2);
    EXPECT_EQ(editor.selectedEntry(), 0);
    editor.Type(Box::Max, "3");  // they come back as the record has them
    EXPECT_EQ(editor.indexList().texts()[2], "two");
    EXPECT_EQ(editor.indexList().look(2).fg, 0);

    editor.Type(Box::Min, "5");  // Min above Max leaves the list alone
    EXPECT_EQ(editor.indexList().count(), 4);
}

TEST(ControlEditorTest, OkWritesTheItemsBack)
{
    ScriptedDialogs dialogs;
    auto record = NewControlRecord(false);
    record->colorsSet = true;
    record->fg = 0x123456;
    ControlEditor editor(*record, nullptr);
    EXPECT_EQ(editor.radixEntry, 0);
    editor.ChooseType(EntryOf(ControlType::Display));
    editor.radixEntry = 2;  // "octal"
    editor.useDefaultColors = true;
    editor.Type(Box::Max, "2");
    editor.Type(Box::Width, "x");  // does not convert: width stays
    editor.SelectEntry(1);
    editor.entryText = "On";
    editor.ChangeEntry();
    EXPECT_EQ(editor.previewFore(), static_cast<int32_t>(0x80000008u));

    ASSERT_TRUE(editor.Ok(dialogs, *record));
    EXPECT_EQ(record->controlType, ControlType::Display);
    EXPECT_EQ(record->radix, "oct");
    EXPECT_FALSE(record->colorsSet);
    EXPECT_EQ(record->max, 2);
    EXPECT_EQ(record->width, 1000);
    EXPECT_EQ(record->indexCount(), 3);
    EXPECT_EQ(record->indexValues(1), "On");
}

TEST(ControlEditorTest, OkRefusesAListLongerThanAFileCanHold)
{
    ScriptedDialogs dialogs;
    auto record = NewControlRecord(false);
    ControlEditor editor(*record, nullptr);
    editor.ChooseType(EntryOf(ControlType::Combo));
    editor.Type(Box::Max, "32767");
    EXPECT_FALSE(editor.Ok(dialogs, *record));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Invalid Range");
    EXPECT_EQ(record->controlType, ControlType::TextBox);
    editor.Type(Box::Max, "32766");
    EXPECT_TRUE(editor.Ok(dialogs, *record));
}

}  // namespace
}  // namespace velk
