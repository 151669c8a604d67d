#include <string>

#include "LoadFixture.h"

namespace velk::test {
namespace {

using DescriptionLoaderTest = LoadFixture;

std::string Device(const std::string& name, const std::string& group, const std::string& addr = "1000xx00")
{
    return "<device addr=\"" + addr + "\" name=\"" + name + "\"><group name=\"" + group +
           "\" size=\"1\" addr=\"10\"><field name=\"" + group + "F\"><pos range=\"7:0\"/></field></group></device>";
}

const std::string ThreeDevices =
    "<file title=\"Board\">" + Device("A", "GA") + Device("B", "GB") + Device("C", "GC") + "</file>";

TEST_F(DescriptionLoaderTest, AnEmptyDeviceNameBuildsTheFirstDeviceAndListsAll)
{
    Load(ThreeDevices);
    EXPECT_EQ(state.selectedDeviceName, "A");
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_TRUE(state.allGroups.Item("GA"));
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(window.entries[0].checked);
    EXPECT_FALSE(window.entries[1].checked || window.entries[2].checked);
    EXPECT_TRUE(window.entries[2].enabled);
    EXPECT_EQ(window.captionText, "Board - A");
    EXPECT_EQ(state.deviceCount, 3);
    EXPECT_TRUE(state.parseEnabled);
    EXPECT_EQ(state.currentDevice->devName, "A");
}

TEST_F(DescriptionLoaderTest, ANamedDeviceIsBuiltAloneAndAMissingOneBuildsNothing)
{
    Load(ThreeDevices, "B");
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_TRUE(state.allGroups.Item("GB"));
    EXPECT_FALSE(window.entries[0].checked);
    EXPECT_TRUE(window.entries[1].checked);
    EXPECT_EQ(window.captionText, "Board - B");

    Load(ThreeDevices, "b");  // names compare exactly
    EXPECT_EQ(state.allGroups.count(), 0);
    EXPECT_FALSE(state.currentDevice);
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"A", "B", "C"}));
    for (const auto& entry : window.entries) EXPECT_FALSE(entry.checked);
    EXPECT_EQ(window.captionText, "Board");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DescriptionLoaderTest, OnlyTheFirstDeviceOfARepeatedNameIsBuilt)
{
    Load("<file>" + Device("A", "G1") + Device("A", "G2") + "</file>");
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_TRUE(state.allGroups.Item("G1"));
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"A", "A"}));
}

TEST_F(DescriptionLoaderTest, ASkippedDeviceEndsAtItsOwnEndTagNotAtADeviceElementInsideIt)
{
    Load("<file>" + Device("A", "GA") + "<device name=\"B\"><device value=\"1\"/>" + Device("C", "GC") +
         "<group name=\"GB\" size=\"1\"/></device>" + Device("D", "GD") + "</file>");
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_TRUE(state.allGroups.Item("GA"));
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"A", "B", "D"}));
    EXPECT_TRUE(state.parseEnabled);
}

TEST_F(DescriptionLoaderTest, ASecondLoadReplacesTheMenuEntriesAndTheModel)
{
    Load(ThreeDevices, "C");
    Load("<file title=\"Other\">" + Device("X", "GX") + "</file>");
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"X"}));
    EXPECT_TRUE(window.entries[0].checked);
    EXPECT_EQ(window.captionText, "Other - X");
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_TRUE(state.allGroups.Item("GX"));
    EXPECT_FALSE(state.nameRegistry.Contains("groupGC"));
}

TEST_F(DescriptionLoaderTest, TheDeviceAddressIsLowerCasedAndItsChoosableBitsStartAtZero)
{
    Load("<file>" + Device("A", "G", "1X01x1X1") + "</file>");
    EXPECT_EQ(state.currentDevice->address, "1x01x1x1");
    EXPECT_EQ(state.currentDevice->currAddress, "10010101");
}

TEST_F(DescriptionLoaderTest, RunsTheStepsAroundTheParseInOrder)
{
    state.currentFileName = "old.xml";
    state.valuesFileMatch = true;
    state.eventsEnabled = true;
    Load(ThreeDevices, "B");
    EXPECT_EQ(window.log, (std::vector<std::string>{"Hide", "BuildAddress", "ReapplyMaxHeight", "ReopenLink", "Show"}));
    EXPECT_EQ(state.currentFileName, dir.file("description.xml"));
    EXPECT_FALSE(state.valuesFileMatch);
    EXPECT_GT(view.loadedCount(WidgetArray::txtValue), 0);
    EXPECT_EQ(view.updatesWithEventsOn, 0);  // no widget update reads as the user's
    EXPECT_TRUE(state.eventsEnabled);
}

// Each file breaks one rule of the format: the load stops at that element
// with one message naming it; the groups finished before it stay, the one
// being built goes with its widgets, and the window is still brought back.
struct RefusedCase {
    const char* name;
    const char* body;     // the content of the device after a good group
    const char* wording;  // part of the message
};

class RefusedDescription : public LoadFixture, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDescription, StopsWithOneMessageAndKeepsTheFinishedGroups)
{
    const RefusedCase& bad = GetParam();
    Load(std::string("<file title=\"T\"><device name=\"D\"><group name=\"Good\" size=\"1\" addr=\"1\">"
                     "<field name=\"Fine\"><pos range=\"7:0\"/><control type=\"Combo\"/></field></group>") +
         bad.body + "<group name=\"After\" size=\"1\" addr=\"9\"><field name=\"L\"><pos range=\"0:0\"/></field></group>"
                    "</device></file>");
    const std::string text = OnlyMessage();
    EXPECT_EQ(text.rfind("Error: the description \"" + dir.file("description.xml") + "\" cannot be loaded: ", 0), 0u)
        << text;
    EXPECT_NE(text.find(bad.wording), std::string::npos) << text;

    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_TRUE(state.allGroups.Item("Good"));
    EXPECT_FALSE(state.currentGroup || state.currentField || state.currentControl);
    EXPECT_TRUE(state.parseEnabled);
    // Only the good group's description controls keep widgets: its combo,
    // and no text box, group text box or label of the refused group.
    EXPECT_EQ(view.loadedCount(WidgetArray::combos), 1);
    EXPECT_FALSE(view.widget({WidgetArray::txtExtra, 0}).visible);
    EXPECT_FALSE(view.widget({WidgetArray::txtGrpExtra, 0}).visible);
    EXPECT_EQ(window.log, (std::vector<std::string>{"Hide", "BuildAddress", "ReapplyMaxHeight", "ReopenLink", "Show"}));
}

const char* const WithControls = "<control type=\"TextBox\"/></field><groupcontrol type=\"TextBox\"/>";

INSTANTIATE_TEST_SUITE_P(
    Rules, RefusedDescription,
    ::testing::Values(
        RefusedCase{"RangeWithoutColon",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"74\"/></field></group>",
                    "the \"pos\" of field \"F\": the range \"74\" has no colon"},
        RefusedCase{"HighBitAboveSeven",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"8:0\"/></field></group>",
                    "field \"F\": the bits 8:0"},
        RefusedCase{"LowAboveHigh",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"2:5\"/></field></group>",
                    "field \"F\": the bits 2:5"},
        RefusedCase{"ByteBeyondTheGroup",
                    "<group name=\"G\" size=\"2\" addr=\"2\"><field name=\"F\"><pos byte=\"2\" range=\"1:0\"/>"
                    "<control type=\"TextBox\"/></field></group>",
                    "field \"F\": the byte 2 is not inside the 2 bytes of group \"G\""},
        RefusedCase{"TwoFieldsOnOneBit",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"7:4\"/></field>"
                    "<field name=\"E\"><pos range=\"4:4\"/><control type=\"TextBox\"/></field>"
                    "<groupcontrol type=\"TextBox\"/></group>",
                    "field \"E\": it shares bits of byte 0 with field \"F\""},
        RefusedCase{"GroupNameRepeatedBesidesBlanks",
                    "<group name=\"G ood\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"1:0\"/></field></group>",
                    "group \"G ood\": the name is used twice"},
        RefusedCase{"FieldNameRepeatedInAnotherGroup",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"fine\"><pos range=\"1:0\"/>"
                    "<control type=\"TextBox\"/></field></group>",
                    "field \"fine\": the name is used twice"},
        RefusedCase{"FieldWithoutBits",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><control type=\"TextBox\"/></field>"
                    "</group>",
                    "field \"F\": it has no bits"},
        RefusedCase{"GroupTooLargeToLayOut",
                    "<group name=\"G\" size=\"30000\" addr=\"2\"><field name=\"F\"><pos range=\"1:0\"/></field>"
                    "</group>",
                    "group \"G\": the size 30000 is outside 0 to 93 bytes"},
        RefusedCase{"RegisterAddressesPastTheLayout",
                    "<group name=\"G\" size=\"2\" addr=\"7FFF\"><field name=\"F\"><pos range=\"1:0\"/>"
                    "<control type=\"TextBox\"/></field><groupcontrol type=\"TextBox\"/></group>",
                    "group \"G\": register address: overflow"},
        RefusedCase{"GroupInsideAField",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"1:0\"/>"
                    "<control type=\"TextBox\"/><group name=\"Inner\"/></field></group>",
                    "a \"group\" element cannot start inside field \"F\""},
        RefusedCase{"NegativeListIndex",
                    "<group name=\"G\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"1:0\"/>"
                    "<control type=\"Combo\"><indexvalue index=\"-1\" value=\"x\"/></control></field></group>",
                    "element \"indexvalue\": setIndexValue: negative value index -1"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST_F(DescriptionLoaderTest, AFileThatIsNotWellFormedIsReportedWithTheParserPosition)
{
    Load("<file title=\"T\"><device name=\"D\"><group name=\"Good\" size=\"1\" addr=\"1\">"
         "<field name=\"Fine\"><pos range=\"7:0\"/></field></group>\n"
         "<group name=\"Half\" size=\"1\" addr=\"2\"><field name=\"F\"><pos range=\"7:0\"/><control type=\"TextBox\">"
         "</field>");
    const std::string text = OnlyMessage();
    EXPECT_EQ(text.rfind("Error: the description \"" + dir.file("description.xml") + "\" cannot be read: ", 0), 0u)
        << text;
    EXPECT_NE(text.find("(line 2, column "), std::string::npos) << text;
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_FALSE(view.widget({WidgetArray::txtExtra, 0}).visible);
    EXPECT_EQ(window.log.back(), "Show");
}

TEST_F(DescriptionLoaderTest, AMissingFileIsReportedAndLeavesAnEmptyUsableWindow)
{
    ParseFile(state, window, dir.file("absent.xml"), "");
    const std::string text = OnlyMessage();
    EXPECT_EQ(text.rfind("Error: the description \"" + dir.file("absent.xml") + "\" cannot be read: ", 0), 0u)
        << text;
    EXPECT_EQ(state.allGroups.count(), 0);
    EXPECT_FALSE(state.currentFile);
    EXPECT_EQ(window.log, (std::vector<std::string>{"Hide", "ReapplyMaxHeight", "ReopenLink", "Show"}));
}

}  // namespace
}  // namespace velk::test
