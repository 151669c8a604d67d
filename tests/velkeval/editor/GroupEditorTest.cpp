#include <gtest/gtest.h>

#include "FieldEditor.h"
#include "GroupEditor.h"
#include "TestDevice.h"

namespace velk {
namespace {

struct GroupEditorTest : ::testing::Test {
    std::vector<std::string> FieldNames(const GroupEditor& editor) const
    {
        std::vector<std::string> names;
        for (const FieldListEntry& entry : editor.fieldList()) names.push_back(entry.name);
        return names;
    }
    // Runs the field editor on the current field with a range and OK.
    bool PlaceNewField(GroupEditor& editor, const std::string& upper, const std::string& lower)
    {
        const auto field = editor.BeginNewField();
        if (!field) return false;
        FieldEditor fieldEditor(*field, editor.group());
        fieldEditor.upperText = upper;
        fieldEditor.lowerText = lower;
        const bool accepted = !fieldEditor.Ok(device.dialogs, device.state.nameRegistry, *field, editor.group());
        editor.EndNewField(accepted);
        return accepted;
    }
    const Message& LastMessage() const { return device.dialogs.messages().back(); }

    test::TestDevice device;
    std::shared_ptr<Group> group = device.AddGroup("Mode", "10", 1);
};

TEST_F(GroupEditorTest, FieldsAreListedInSequenceOrder)
{
    group->size = 2;
    device.AddField(group, "D", 1, 0, 8);
    device.AddField(group, "B", 0, 2, 2);
    device.AddField(group, "A", 0, 4, 4);
    device.AddField(group, "C", 0, 0, 2);
    GroupEditor editor(device.state, group);
    EXPECT_EQ(FieldNames(editor), (std::vector<std::string>{"A", "B", "C", "D"}));
    std::vector<int16_t> sequences;
    for (const auto& entry : editor.fieldList()) sequences.push_back(entry.sequence);
    EXPECT_EQ(sequences, (std::vector<int16_t>{3, 5, 7, 17}));

    // Edit takes a field out and puts it back in its new place.
    const auto d = editor.BeginEditField(3);
    d->byteIndex = 0;
    d->bitIndex = 7;
    d->size = 1;  // (the field editor would refuse the overlap; only the order matters here)
    editor.EndEditField();
    EXPECT_EQ(FieldNames(editor), (std::vector<std::string>{"D", "A", "B", "C"}));
    EXPECT_EQ(group->childFields.Item("key0"), d);
}

TEST_F(GroupEditorTest, ANewFieldNeedsFreeBits)
{
    device.AddField(group, "Full", 0, 0, 8);
    GroupEditor editor(device.state, group);
    EXPECT_EQ(editor.BeginNewField(), nullptr);
    EXPECT_EQ(LastMessage().title, "No Free Bits for New Field");
    EXPECT_EQ(LastMessage().text, "There are no free bits in this group!\rIncrease group size or change field sizes first.");

    editor.TypeSize("2");
    EXPECT_EQ(group->size, 2);
    group->height = 400;
    ASSERT_NE(editor.BeginNewField(), nullptr);
    EXPECT_EQ(group->height, 750);
    EXPECT_EQ(device.state.currentField->fieldName, "NewField0");
    editor.EndNewField(false);  // closed without OK: not added, its row given back
    EXPECT_EQ(group->height, 400);
    EXPECT_EQ(group->childFields.count(), 1);
    EXPECT_EQ(device.state.currentField, nullptr);

    EXPECT_FALSE(PlaceNewField(editor, "7", "0"));  // byte 0 is taken
    EXPECT_EQ(group->childFields.count(), 1);
}

TEST_F(GroupEditorTest, ABandHoldsAtMost93FieldRows)
{
    group->size = 12;
    for (int i = 0; i < 93; ++i)
        device.AddField(group, "F" + std::to_string(i), static_cast<int16_t>(i / 8), static_cast<int16_t>(i % 8), 1);
    GroupEditor editor(device.state, group);
    EXPECT_EQ(editor.BeginNewField(), nullptr);
    EXPECT_EQ(LastMessage().title, "No Room for New Field");
    editor.DeleteField(0);
    EXPECT_NE(editor.BeginNewField(), nullptr);
}

TEST_F(GroupEditorTest, SizeStaysWithinTheBytesTheFieldsNeedAndTheLargestRegister)
{
    group->size = 3;
    device.AddField(group, "High", 2, 0, 1);
    GroupEditor editor(device.state, group);
    editor.TypeSize("1");
    EXPECT_EQ(group->size, 3);
    editor.TypeSize("500");
    EXPECT_EQ(group->size, 93);
    editor.TypeSize("abc");
    EXPECT_EQ(group->size, 3);
}

TEST_F(GroupEditorTest, OkChecksFieldsNameAndAddress)
{
    device.AddGroup("Mode A", "20", 1);
    GroupEditor editor(device.state, group);
    EXPECT_EQ(editor.Ok(), GroupEditor::Item::None);
    EXPECT_EQ(LastMessage().text, "Must have at least one field!");
    EXPECT_FALSE(editor.MayClose());
    ASSERT_TRUE(PlaceNewField(editor, "0", "0"));
    EXPECT_TRUE(device.state.nameRegistry.Contains("fieldNewField0"));

    for (const std::string name : {"Mode A", "mode a", "ModeA"}) {
        editor.name = name;
        EXPECT_EQ(editor.Ok(), GroupEditor::Item::Name) << name;
        EXPECT_EQ(LastMessage().text, "Group name already in use.  Choose a new group name.");
    }
    editor.name = "Mode";  // its own name
    editor.address = "7FFF";
    editor.TypeSize("2");
    EXPECT_EQ(editor.Ok(), GroupEditor::Item::Address);
    EXPECT_EQ(group->address, "10");

    EXPECT_TRUE(editor.MayClose());
    group->address = "7FFF";  // closing keeps the size, which the address cannot hold
    EXPECT_FALSE(editor.MayClose());
    EXPECT_EQ(LastMessage().title, "Invalid Group Address");

    editor.address = "7FFE";
    editor.readonly = true;
    editor.controlModeEntry = 2;
    EXPECT_EQ(editor.Ok(), std::nullopt);
    EXPECT_EQ(group->address, "7FFE");
    EXPECT_TRUE(group->readonly);
    EXPECT_EQ(group->controlMode, 2);
    EXPECT_TRUE(editor.MayClose());
}

TEST_F(GroupEditorTest, AGroupOfOnlyInHouseFieldsIsRefused)
{
    device.AddField(group, "Secret", 0, 0, 1)->inhouse = true;
    GroupEditor editor(device.state, group);
    EXPECT_EQ(editor.Ok(), GroupEditor::Item::None);
    EXPECT_EQ(LastMessage().text, "Must have at least one field that is not In-House Only!");
    EXPECT_FALSE(editor.MayClose());
}

TEST_F(GroupEditorTest, ControlsAreAddedEditedAndDeletedInPlace)
{
    GroupEditor editor(device.state, group);
    const auto control = editor.BeginNewControl();
    EXPECT_EQ(control->controlType, ControlType::TextBox);
    EXPECT_EQ(control->X, 100);
    EXPECT_EQ(control->y, 50);
    EXPECT_EQ(control->max, 1);
    ControlList& list = editor.controls();
    list.EndNew();  // added whether or not the control editor was confirmed
    editor.BeginNewControl()->controlType = ControlType::Label;
    list.EndNew();
    EXPECT_EQ(list.names(), (std::vector<std::string>{"TextBox", "Label"}));

    list.BeginEdit(0)->controlType = ControlType::Combo;
    list.EndEdit(0);
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Combo", "Label"}));
    list.Delete(0);
    EXPECT_EQ(list.names(), (std::vector<std::string>{"Label"}));
    ASSERT_EQ(group->controls.count(), 1);
    EXPECT_EQ(group->controls.Item(1)->controlType, ControlType::Label);
    EXPECT_EQ(device.state.currentControl, nullptr);
}

}  // namespace
}  // namespace velk
