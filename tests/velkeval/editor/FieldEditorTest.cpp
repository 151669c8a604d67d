#include <gtest/gtest.h>

#include "Factories.h"
#include "FieldEditor.h"
#include "TestDevice.h"

namespace velk {
namespace {

using Item = FieldEditor::Item;

// A two-byte group "Mode" at 10 with a field "Low" at byte 0 bits 3..0,
// and a new field out of the group, as the group editor hands it over.
struct FieldEditorTest : ::testing::Test {
    FieldEditorTest()
    {
        device.AddField(group, "Low", 0, 0, 4);
        device.state.currentGroup = group;
    }
    std::optional<Item> Ok(FieldEditor& editor) { return editor.Ok(device.state.dialogs, device.state.nameRegistry, *field, *group); }
    FieldEditor Placed(int byte, const std::string& upper, const std::string& lower)
    {
        FieldEditor editor(*field, *group);
        editor.byteEntry = byte;
        editor.upperText = upper;
        editor.lowerText = lower;
        return editor;
    }
    const std::string& LastTitle() const { return device.dialogs.messages().back().title; }

    test::TestDevice device;
    std::shared_ptr<Group> group = device.AddGroup("Mode", "10", 2);
    std::shared_ptr<Field> field = NewField(device.state);
};

TEST_F(FieldEditorTest, ANewFieldOpensWithItsDefaultsAndSystemColours)
{
    FieldEditor editor(*field, *group);
    EXPECT_EQ(editor.name, "NewField0");
    EXPECT_EQ(editor.byteEntries, (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(editor.byteEntry, 0);
    EXPECT_EQ(editor.upperText, "7");
    EXPECT_EQ(editor.lowerText, "0");
    EXPECT_EQ(editor.defaultText, "0");
    EXPECT_EQ(editor.fg, static_cast<int32_t>(0x80000012u));
    EXPECT_EQ(editor.bg, static_cast<int32_t>(0x8000000Fu));
}

TEST_F(FieldEditorTest, PositionsOverlappingAFieldOfTheSameByteAreRefused)
{
    FieldEditor inUse = Placed(0, "4", "3");
    EXPECT_EQ(Ok(inUse), Item::Upper);
    EXPECT_EQ(device.dialogs.messages().back().text,
              "This byte/bit position is in use by another field in this group.\rPlease choose a new position.");
    FieldEditor above = Placed(0, "7", "4");
    EXPECT_EQ(Ok(above), std::nullopt);
    EXPECT_EQ(field->bitIndex, 4);
    EXPECT_EQ(field->size, 4);
    EXPECT_EQ(field->sequence, 3);
    FieldEditor otherByte = Placed(1, "3", "0");
    EXPECT_EQ(Ok(otherByte), std::nullopt);
    EXPECT_EQ(field->sequence, 17);
}

TEST_F(FieldEditorTest, RangesThatAreNotABytesBitsAreRefused)
{
    for (const auto& [upper, lower] : {std::pair{"3", "5"}, {"8", "4"}, {"2", "-1"}}) {
        FieldEditor editor = Placed(1, upper, lower);
        EXPECT_EQ(Ok(editor), Item::Upper) << upper << ":" << lower;
        EXPECT_EQ(LastTitle(), "Invalid Field Position");
    }
    EXPECT_EQ(field->size, 8);  // unchanged
}

TEST_F(FieldEditorTest, NamesEqualOnceBlanksAndCaseAreIgnoredCannotCoexist)
{
    device.AddField(group, "Mode A", 1, 7, 1);
    for (const std::string name : {"ModeA", "mode  a"}) {
        FieldEditor editor = Placed(1, "3", "0");
        editor.name = name;
        EXPECT_EQ(Ok(editor), Item::Name) << name;
        EXPECT_EQ(LastTitle(), "Invalid Field Name");
    }
}

TEST_F(FieldEditorTest, DefaultValueIsReadInTheChosenRadixAndMustFitTheRegister)
{
    FieldEditor hex = Placed(1, "7", "0");
    hex.defaultText = "FF";
    hex.radixEntry = 1;
    EXPECT_EQ(Ok(hex), std::nullopt);
    EXPECT_EQ(field->defaultValue, 255);

    FieldEditor notDecimal = Placed(1, "7", "0");
    notDecimal.defaultText = "2A";
    EXPECT_EQ(Ok(notDecimal), std::nullopt);
    EXPECT_EQ(field->defaultValue, 0);

    // 300 at bit 7 passes 16 bits when the register byte is packed.
    FieldEditor tooLarge = Placed(1, "7", "7");
    tooLarge.defaultText = "300";
    EXPECT_EQ(Ok(tooLarge), Item::DefaultValue);
    EXPECT_EQ(field->defaultValue, 0);
}

TEST_F(FieldEditorTest, ANewControlTakesItsRowAndTheRangesLargestValue)
{
    FieldEditor editor = Placed(1, "3", "0");
    const auto control = editor.NewControl(*group);
    EXPECT_EQ(control->max, 15);
    EXPECT_EQ(control->y, 400);  // below the one field in front of it
    editor.upperText = "x";      // does not convert: 0..0
    EXPECT_EQ(editor.NewControl(*group)->max, 1);
}

TEST_F(FieldEditorTest, AReservedFieldKeepsNoControls)
{
    field->controls.Add(NewControlRecord(false));
    FieldEditor editor = Placed(1, "3", "0");
    editor.inhouse = true;
    EXPECT_EQ(Ok(editor), Item::Controls);
    EXPECT_TRUE(MayCloseFieldEditor(device.dialogs, *field));

    field->controls.Remove(1);
    EXPECT_EQ(Ok(editor), std::nullopt);
    EXPECT_TRUE(field->Reserved);  // the file reads an in-house field as reserved
    field->controls.Add(NewControlRecord(false));
    EXPECT_FALSE(MayCloseFieldEditor(device.dialogs, *field));
    EXPECT_EQ(LastTitle(), "Invalid Field Controls");
}

}  // namespace
}  // namespace velk
