#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "ControlType.h"
#include "LoadFixture.h"

namespace velk::test {
namespace {

using XMLReaderTest = LoadFixture;

const char* const Board = R"(<file title="Board &amp; co">
	<author value="Lab"/>
	<modified value="3/14/2005"/>
	<device addr="1001X0x0" name="Scaler">
		<group name="Output Control" size="2" addr="1A" readonly="TRUE" controlmode="5">
			<field name="Output Enable">
				<pos byte="1" range="7:4" />
				<defaultvalue radix="hex" value="F"/>
				<namefg value="80000008"/>
				<namebg value="FF"/>
				<namebold/>
				<control type="combobox">
					<max value="3"/>
					<pos x="100" y="50"/>
					<width value="wide"/>
					<italic/>
					<indexvalue index="0" value="Off"/>
					<indexvalue index="1" value="On" bold="true" fg="FF" bg="FFFFFF"/>
				</control>
				<control type="BUTTON">
					<caption value="a&lt;b"/>
					<height value="x"/>
				</control>
			</field>
			<field name="Mode">
				<pos byte="0" range="3:3" />
				<defaultvalue radix="bin" value="1"/>
				<control type="scroll">
					<max value="&amp;H64"/>
				</control>
				<control type="text"/>
			</field>
			<groupcontrol type="TextBox">
				<radix value="hex"/>
				<tooltip value="whole register"/>
				<justify value="1"/>
			</groupcontrol>
		</group>
		<group name="Second" addr="20" size="1" controlmode="-1">
			<field><pos/><defaultvalue value=" 12 "/></field>
		</group>
		<group name="Third" size="1" addr="21">
			<field name="Third field"><pos range="7:0"/><defaultvalue radix="oct" value="17"/></field>
		</group>
	</device>
</file>
)";

TEST_F(XMLReaderTest, ReadsItemsWithTheirFallbacksAndStartingValues)
{
    Load(Board);
    ASSERT_TRUE(dialogs.messages().empty());
    ASSERT_TRUE(state.currentFile);
    EXPECT_EQ(state.currentFile->title, "Board & co");
    EXPECT_EQ(state.currentFile->author, "Lab");
    EXPECT_EQ(state.currentFile->modified, "3/14/2005");
    ASSERT_TRUE(state.currentDevice);
    EXPECT_EQ(state.currentDevice->address, "1001x0x0");
    EXPECT_EQ(state.currentDevice->currAddress, "10010000");

    const auto output = GroupNamed("Output Control");
    EXPECT_EQ(output->size, 2);
    EXPECT_EQ(output->address, "1A");
    EXPECT_TRUE(output->readonly);
    EXPECT_EQ(output->controlMode, 2);
    EXPECT_EQ(GroupNamed("Second")->controlMode, 2);
    EXPECT_EQ(GroupNamed("Third")->controlMode, 0);
    EXPECT_FALSE(GroupNamed("Third")->readonly);

    // Fields are ordered by byte, then from the highest bit down, under
    // "key" + sequence.
    ASSERT_EQ(output->childFields.count(), 2);
    const auto enable = output->childFields.Item("key13");
    const auto mode = output->childFields.Item("key4");
    ASSERT_TRUE(enable && mode);
    EXPECT_EQ(enable->bitIndex, 4);
    EXPECT_EQ(enable->size, 4);
    EXPECT_EQ(enable->defaultValue, 15);
    EXPECT_EQ(enable->value, 15);
    EXPECT_EQ(enable->fg, static_cast<int32_t>(0x80000008u));
    EXPECT_EQ(enable->bg, 0xFF);
    EXPECT_TRUE(enable->bold);
    EXPECT_FALSE(enable->italic);
    EXPECT_EQ(enable->parent.lock(), output);
    EXPECT_EQ(mode->bitIndex, 3);
    EXPECT_EQ(mode->size, 1);
    EXPECT_EQ(mode->defaultValue, 1);

    const auto second = GroupNamed("Second")->childFields.Item(1);
    EXPECT_EQ(second->fieldName, "GANone");
    EXPECT_EQ(second->bitIndex, 0);
    EXPECT_EQ(second->size, 2);
    EXPECT_EQ(second->defaultValue, 12);
    EXPECT_EQ(GroupNamed("Third")->childFields.Item(1)->defaultValue, 15);

    EXPECT_TRUE(state.nameRegistry.Contains("groupOutputControl"));
    EXPECT_TRUE(state.nameRegistry.Contains("fieldOutputEnable"));
    EXPECT_TRUE(state.nameRegistry.Contains("fieldThirdfield"));
}

TEST_F(XMLReaderTest, AbsentAndUnreadableAttributesTakeTheirFallbacks)
{
    // Readonly is a Boolean: "True"/"False" in any case, or a number (0
    // false, anything else true); any other text gives the fallback, false.
    const std::pair<const char*, bool> readonly[] = {{"1", true},     {" -3 ", true}, {"0", false},
                                                     {"yes", false},  {"", false},    {"fAlSe", false}};
    std::string text = R"(<file><device name="D">
        <group size="1" addr="1"><field name="F"><pos range="7:0"/>
            <control type="TextBox"><max value="x"/></control></field></group>)";
    for (size_t i = 0; i < std::size(readonly); ++i)
        text += "<group name=\"R" + std::to_string(i) + "\" size=\"1\" addr=\"" + std::to_string(i + 2) +
                "\" readonly=\"" + readonly[i].first + "\"><field name=\"F" + std::to_string(i) +
                "\"><pos range=\"0:0\"/></field></group>";
    Load(text + "</device></file>");
    ASSERT_TRUE(dialogs.messages().empty()) << dialogs.messages().front().text;

    EXPECT_EQ(state.currentFile->title, "GANone");
    EXPECT_EQ(window.caption(), "GANone - D");
    EXPECT_EQ(state.currentDevice->address, "ganone");
    EXPECT_EQ(state.currentDevice->currAddress, "ganone");
    const auto unnamed = GroupNamed("GANone");
    ASSERT_TRUE(unnamed);
    EXPECT_TRUE(state.nameRegistry.Contains("groupGANone"));
    EXPECT_EQ(unnamed->childFields.Item(1)->controls.Item(1)->max, 1);  // "x" is not 2^8 - 1 either
    for (size_t i = 0; i < std::size(readonly); ++i)
        EXPECT_EQ(GroupNamed("R" + std::to_string(i))->readonly, readonly[i].second) << '"' << readonly[i].first << '"';
}

TEST_F(XMLReaderTest, ElementNamesMatchOnlyInTheirOwnLetterCase)
{
    Load(R"(<file><device name="D">
        <Group name="Capital" size="1" addr="1"><field name="InCapital"><pos range="0:0"/></field></Group>
        <group name="Kept" size="1" addr="2">
            <FIELD name="Shouted"><pos range="0:0"/></FIELD>
            <fielD name="Tail"><pos range="1:1"/></fielD>
            <field name="Real"><pos range="7:4"/>
                <Control type="TextBox"/>
                <control type="TextBox"><MAX value="3"/></control>
            </field>
            <groupControl type="TextBox"/>
        </group>
    </device></file>)");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(state.allGroups.count(), 1);
    const auto kept = GroupNamed("Kept");
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->childFields.count(), 1);
    const auto real = kept->childFields.Item(1);
    EXPECT_EQ(real->fieldName, "Real");
    std::vector<int16_t> userControlMax;
    for (const auto& record : real->controls)
        if (record->isUserControl) userControlMax.push_back(record->max);
    EXPECT_EQ(userControlMax, std::vector<int16_t>{15});  // the lower-case control, without its "MAX"
    for (const auto& record : kept->controls) EXPECT_FALSE(record->isUserControl);
    for (const char* key : {"groupCapital", "fieldInCapital", "fieldShouted", "fieldTail"})
        EXPECT_FALSE(state.nameRegistry.Contains(key)) << key;
}

TEST_F(XMLReaderTest, ControlsStartFromTheFieldAndTakeEveryChildOnScreenAtOnce)
{
    Load(Board);
    const auto output = GroupNamed("Output Control");
    const auto enable = output->childFields.Item("key13");
    const auto mode = output->childFields.Item("key4");

    const auto combo = enable->controls.Item(1);
    EXPECT_EQ(combo->controlType, ControlType::Combo);
    EXPECT_TRUE(combo->isUserControl);
    EXPECT_FALSE(combo->isGroup);
    EXPECT_EQ(combo->max, 3);
    EXPECT_EQ(combo->min, 0);
    EXPECT_EQ(combo->radix, "dec");
    EXPECT_EQ(combo->width, 300);
    EXPECT_TRUE(combo->italic);
    EXPECT_EQ(combo->indexValues(1), "On");
    EXPECT_TRUE(combo->indexBold(1));
    EXPECT_EQ(combo->indexFG(1), 0xFF);
    EXPECT_EQ(combo->indexBG(1), 0xFFFFFF);
    const auto& comboWidget = view.widget(WidgetOf(*combo));
    EXPECT_EQ(comboWidget.listItems, (std::vector<std::string>{"Off", "On"}));
    EXPECT_EQ(comboWidget.width, 300);
    EXPECT_TRUE(comboWidget.italic);
    EXPECT_EQ(comboWidget.tag, "fieldOutputEnable");

    const auto label = enable->controls.Item(2);
    EXPECT_EQ(label->controlType, ControlType::Label);
    EXPECT_EQ(label->caption, "a<b");
    EXPECT_EQ(label->height, 100);
    EXPECT_EQ(label->max, 15);  // 2^4 - 1: no "max" element
    EXPECT_EQ(view.widget(WidgetOf(*label)).text, "a<b");

    const auto scroll = mode->controls.Item(1);
    EXPECT_EQ(scroll->controlType, ControlType::Scrollbar);
    EXPECT_EQ(scroll->max, 100);
    const auto& scrollWidget = view.widget(WidgetOf(*scroll));
    EXPECT_EQ(scrollWidget.rangeMax, 100);
    EXPECT_EQ(scrollWidget.largeStep, 5);
    EXPECT_EQ(scrollWidget.smallStep, 1);
    EXPECT_EQ(mode->controls.Item(2)->max, 1);

    ASSERT_GE(output->controls.count(), 1);
    const auto groupBox = output->controls.Item(1);
    EXPECT_TRUE(groupBox->isGroup);
    EXPECT_EQ(groupBox->max, 1);
    EXPECT_EQ(groupBox->radix, "hex");
    EXPECT_EQ(groupBox->tooltip, "whole register");
    EXPECT_EQ(groupBox->justify, 1);
    const auto& boxWidget = view.widget(WidgetOf(*groupBox));
    EXPECT_EQ(boxWidget.tag, "groupOutputControl");
    EXPECT_EQ(boxWidget.toolTip, "whole register");
    EXPECT_EQ(boxWidget.justify, 1);
}

TEST_F(XMLReaderTest, ScrollBarsAndUpDownsWithoutMinOrMaxRangeOverTheirField)
{
    Load(R"(<file><device addr="10011000" name="D"><group name="G" addr="10" size="1">
        <field name="F"><pos range="3:0"/><control type="Scrollbar"/><control type="UpDown"/></field>
        </group></device></file>)");
    const auto field = GroupNamed("G")->childFields.Item(1);
    const auto& bar = view.widget(WidgetOf(*field->controls.Item(1)));
    EXPECT_EQ(bar.rangeMin, 0);
    EXPECT_EQ(bar.rangeMax, 15);
    EXPECT_EQ(bar.smallStep, 1);
    EXPECT_EQ(view.widget(WidgetOf(*field->controls.Item(2))).rangeMax, 15);
}

TEST_F(XMLReaderTest, ListEntriesOutOfOrderStillSitAtTheirIndex)
{
    Load(R"(<file><device name="D"><group name="G" size="1"><field name="F"><pos range="1:0"/>
        <control type="Display"><indexvalue index="2" value="two"/><indexvalue index="0" value="zero"/></control>
        </field></group></device></file>)");
    const auto display = GroupNamed("G")->childFields.Item(1)->controls.Item(1);
    EXPECT_EQ(view.widget(WidgetOf(*display)).listItems, (std::vector<std::string>{"zero", "", "two"}));
}

TEST_F(XMLReaderTest, InhouseOnlyGroupsAreDroppedAndReservedControlsLeaveTheWindow)
{
    Load(R"(<file><device name="D">
        <group name="Hidden" size="1" addr="1"><field name="H"><pos range="7:0"/><inhouse/>
            <control type="TextBox"/></field><groupcontrol type="TextBox"/></group>
        <group name="Shown" size="1" addr="2">
            <field name="Res"><pos range="7:4"/><reserved/><control type="Combo"/></field>
            <field name="Own"><pos range="2:0"/><inhouse/></field>
            <field name="Plain"><pos range="3:3"/></field>
        </group>
        <group name="Empty" size="1" addr="3"/>
    </device></file>)");
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_EQ(state.allGroups.count(), 1);
    const auto shown = GroupNamed("Shown");
    EXPECT_FALSE(state.nameRegistry.Contains("groupHidden"));
    EXPECT_FALSE(state.nameRegistry.Contains("groupEmpty"));
    EXPECT_TRUE(state.nameRegistry.Contains("fieldOwn"));
    const auto reserved = shown->childFields.Item("key3");
    ASSERT_TRUE(reserved);
    EXPECT_TRUE(reserved->Reserved);
    for (const auto& record : reserved->controls) EXPECT_FALSE(record->isUserControl);
    const auto own = shown->childFields.Item("key7");
    EXPECT_TRUE(own->inhouse && own->Reserved);
    // Only the kept group's widgets stay: no user text box or combo at all.
    EXPECT_EQ(view.loadedCount(WidgetArray::txtExtra), 1);
    EXPECT_EQ(view.loadedCount(WidgetArray::combos), 1);
    EXPECT_EQ(view.loadedCount(WidgetArray::txtGrpExtra), 1);
    EXPECT_FALSE(view.widget({WidgetArray::txtExtra, 0}).visible);
    EXPECT_FALSE(view.widget({WidgetArray::combos, 0}).visible);
    EXPECT_FALSE(view.widget({WidgetArray::txtGrpExtra, 0}).visible);
}

}  // namespace
}  // namespace velk::test
