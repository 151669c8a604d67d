#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AttributeList.h"
#include "ControlType.h"
#include "DeviceRecord.h"
#include "Factories.h"
#include "FakeAttributes.h"
#include "HeadlessRegisterView.h"
#include "ModelError.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "Utilities.h"

using namespace velk;

namespace {

struct ModelFixture : ::testing::Test {
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};

    std::shared_ptr<Group> AddGroup(const std::string& address, int16_t size)
    {
        auto group = std::make_shared<Group>();
        group->groupName = "Reg" + address;
        group->address = address;
        group->size = size;
        state.allGroups.Add(group, group->groupName);
        state.nameRegistry.Add(group, GroupRegistryKey(group->groupName));
        return group;
    }
};

}  // namespace

TEST_F(ModelFixture, NewGroupTakesTheFirstFreeNameAndTheNextAddress)
{
    state.nameRegistry.Add(std::make_shared<Group>(), "groupNewGroup0");
    state.nameRegistry.Add(std::make_shared<Group>(), "GROUPNEWGROUP1");
    AddGroup("1F", 1);
    AddGroup("07", 1);
    auto group = NewGroup(state);
    EXPECT_EQ(group->groupName, "NewGroup2");
    EXPECT_EQ(group->address, "20");
    EXPECT_EQ(group->size, 1);
    EXPECT_EQ(group->controlMode, ControlMode::Parallel);
    EXPECT_FALSE(group->readonly);
    EXPECT_EQ(group->childFields.count(), 0);
    EXPECT_EQ(group->controls.count(), 0);
    EXPECT_EQ(state.allGroups.count(), 2);  // not added by NewGroup itself
}

TEST_F(ModelFixture, NewFieldAttachesToTheCurrentGroup)
{
    auto orphan = NewField(state);
    EXPECT_EQ(orphan->fieldName, "NewField0");
    EXPECT_THROW(orphan->ParentGroup(), ModelError);

    state.nameRegistry.Add(orphan, FieldRegistryKey(orphan->fieldName));
    state.currentGroup = AddGroup("10", 1);
    auto field = NewField(state);
    EXPECT_EQ(field->fieldName, "NewField1");
    EXPECT_EQ(field->ParentGroup(), state.currentGroup);
    EXPECT_EQ(field->size, 8);
    EXPECT_EQ(field->bitIndex, 0);
    EXPECT_EQ(field->byteIndex, 0);
    EXPECT_EQ(field->defaultValue, 0);
    EXPECT_EQ(field->value, 0);
    EXPECT_EQ(field->sequence, 0);
}

TEST(NewControlRecord, DefaultsOfAUserTextBox)
{
    auto record = NewControlRecord(true);
    EXPECT_EQ(record->controlType, ControlType::TextBox);
    EXPECT_TRUE(record->isGroup);
    EXPECT_TRUE(record->isUserControl);
    EXPECT_FALSE(record->colorsSet);
    EXPECT_EQ(record->width, 1000);
    EXPECT_EQ(record->height, 300);
    EXPECT_EQ(record->X, 100);
    EXPECT_EQ(record->y, 50);
    EXPECT_EQ(record->min, 0);
    EXPECT_EQ(record->max, 1);
    EXPECT_EQ(record->radix, "dec");
    EXPECT_EQ(record->indexCount(), 0);
    EXPECT_FALSE(NewControlRecord(false)->isGroup);
}

TEST_F(ModelFixture, NextFreeAddressAndFindGroupByAddress)
{
    EXPECT_EQ(NextFreeAddress(state.allGroups), "01");
    auto wide = AddGroup("40", 3);
    AddGroup("zz", 1);  // unreadable: counts as 0
    EXPECT_EQ(NextFreeAddress(state.allGroups), "41");
    EXPECT_EQ(FindGroupByAddress(state.allGroups, "41"), wide);
    EXPECT_EQ(FindGroupByAddress(state.allGroups, "40"), wide);
    EXPECT_EQ(FindGroupByAddress(state.allGroups, "43"), nullptr);

    auto overlapping = AddGroup("41", 1);  // the first covering group wins
    EXPECT_EQ(FindGroupByAddress(state.allGroups, "41"), wide);
    EXPECT_EQ(FindGroupByAddress(state.allGroups, "0"), state.allGroups.Item(2));
    (void)overlapping;
}

TEST(NameInUse, LooksTheKeyUpWithoutFailing)
{
    NameRegistry registry;
    EXPECT_FALSE(NameInUse(registry, "groupA"));
    registry.Add(std::make_shared<Group>(), "groupA");
    EXPECT_TRUE(NameInUse(registry, "GroupA"));
}

TEST(FileNameOf, TakesThePartAfterTheLastSeparator)
{
    EXPECT_EQ(FileNameOf("/home/lab/boards/VelkEval.xml"), "VelkEval.xml");
    EXPECT_EQ(FileNameOf("C:\\boards\\eval.xml"), "eval.xml");
    EXPECT_EQ(FileNameOf("mixed\\dir/name.xml"), "name.xml");
    EXPECT_EQ(FileNameOf("plain.xml"), "plain.xml");
    EXPECT_EQ(FileNameOf("dir/"), "");
}

TEST(GetAttribute, MatchesNamesLowerCasedAndTakesTheLastMatch)
{
    FakeAttributes attributes({{"value", "12"}, {"Min", "0"}, {"VALUE", "14"}});
    EXPECT_EQ(GetAttribute(attributes, "Value"), "14");
    EXPECT_EQ(GetAttribute(attributes, "min"), "0");
    EXPECT_EQ(GetAttribute(attributes, "max"), "GANone");
    EXPECT_EQ(GetAttribute(FakeAttributes({}), "any"), "GANone");
}

TEST(GetAttribute, AFailureEndsTheSearchWithWhatWasFound)
{
    FakeAttributes failing({{"size", "1"}, {"size", "2"}, {"size", "3"}}, 2);
    EXPECT_EQ(GetAttribute(failing, "size"), "2");
    FakeAttributes failingFirst({{"size", "1"}}, 0);
    EXPECT_EQ(GetAttribute(failingFirst, "size"), "GANone");
}

TEST(ControlTypeNames, ConvertBothWays)
{
    EXPECT_EQ(ControlTypeFromName("ScrollBar"), ControlType::Scrollbar);
    EXPECT_EQ(ControlTypeFromName("scroll"), ControlType::Scrollbar);
    EXPECT_EQ(ControlTypeFromName("TEXT"), ControlType::TextBox);
    EXPECT_EQ(ControlTypeFromName("TextBox"), ControlType::TextBox);
    EXPECT_EQ(ControlTypeFromName("ComboBox"), ControlType::Combo);
    EXPECT_EQ(ControlTypeFromName("combo"), ControlType::Combo);
    EXPECT_EQ(ControlTypeFromName("UpDown"), ControlType::UpDown);
    EXPECT_EQ(ControlTypeFromName("Display"), ControlType::Display);
    EXPECT_EQ(ControlTypeFromName("label"), ControlType::Label);
    EXPECT_EQ(ControlTypeFromName("slider"), ControlType::Label);
    EXPECT_EQ(ControlTypeFromName("Bit"), ControlType::Label);  // generated types are not named in files

    const char* names[] = {"TextBox", "Combo", "UpDown", "Scrollbar", "Display", "Bit",
                           "RdOnlyBit", "DummyBit", "ValueBox", "Label", "Line"};
    for (int32_t code = 0; code <= 10; ++code) EXPECT_EQ(ControlTypeName(code), names[code]);
    EXPECT_EQ(ControlTypeName(11), "");
    EXPECT_EQ(ControlTypeName(-1), "");
}

TEST(FieldValueRange, MinAndMaxOverTheFieldsAndZeroWithoutFields)
{
    auto group = std::make_shared<Group>();
    EXPECT_EQ(MinFieldValue(group->childFields), 0);
    EXPECT_EQ(MaxFieldValue(group->childFields), 0);
    group->childFields.AddV(6, 0, 0, 4, group, 7, "key7");
    group->childFields.AddV(2, 0, 4, 4, group, 3, "key3");
    group->childFields.AddV(9, 1, 0, 4, group, 17, "key17");
    EXPECT_EQ(MinFieldValue(group->childFields), 2);
    EXPECT_EQ(MaxFieldValue(group->childFields), 9);
}

TEST(DeviceRecord, AddressBitsFollowThePatternAndRebuildTheAddress)
{
    DeviceRecord device;
    device.address = "1001xxx0";
    device.currAddress = "10010110";
    EXPECT_EQ(device.BusAddress(), 0x96);
    std::string shown;
    std::string editable;
    for (int box = 7; box >= 0; --box) {
        shown += device.AddressBit(box);
        editable += device.AddressBitEditable(box) ? 'e' : '-';
    }
    EXPECT_EQ(shown, "10010110");
    EXPECT_EQ(editable, "----eee-");

    device.FlipAddressBit(3);
    EXPECT_EQ(device.currAddress, "10011110");
    device.FlipAddressBit(1);
    EXPECT_EQ(device.currAddress, "10011100");
    EXPECT_EQ(device.BusAddress(), 0x9C);

    device.currAddress = "10x";  // a short or odd address: missing boxes stay empty
    EXPECT_EQ(device.AddressBit(0), "");
    EXPECT_EQ(device.AddressBit(5), "x");
    device.FlipAddressBit(5);  // anything but "0" becomes "0"
    EXPECT_EQ(device.currAddress, "100");
}
