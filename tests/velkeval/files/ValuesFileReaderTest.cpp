#include <memory>
#include <string>

#include "FileError.h"
#include "LoadFixture.h"
#include "RecordingLink.h"
#include "ValuesFileReader.h"

namespace velk::test {
namespace {

// Two registers whose bytes overlap at 11: "Wide" (10, 11) comes first.
class ValuesFileReaderTest : public LoadFixture {
protected:
    ValuesFileReaderTest()
    {
        Load(R"(<file title="T"><device name="Scaler" addr="10000000">
            <group name="Wide" size="2" addr="10"><field name="Low"><pos byte="0" range="7:0"/>
                <control type="TextBox"/></field><field name="High"><pos byte="1" range="3:0"/></field></group>
            <group name="Narrow" size="1" addr="11"><field name="N"><pos range="7:0"/></field></group>
        </device></file>)");
        window.log.clear();
    }
    void Read(const std::string& text) { ReadValuesFile(state, window, Write("values.val", text)); }
};

TEST_F(ValuesFileReaderTest, EachLineGoesToTheFirstRegisterHoldingItsAddress)
{
    state.eventsEnabled = true;
    Read(R"(<devicevalues name="Other board">
	<registerval addr="10" value="200"/>
	<registerval addr="11" value="5"/>
	<registerval addr="50" value="9"/>
</devicevalues>)");
    const auto wide = GroupNamed("Wide");
    EXPECT_EQ(wide->GetValue(0), 200);
    EXPECT_EQ(wide->GetValue(1), 5);
    EXPECT_EQ(GroupNamed("Narrow")->GetValue(0), 0);
    // The fields and their controls show the new bytes.
    const auto low = wide->childFields.Item("key7");
    EXPECT_EQ(low->value, 200);
    EXPECT_EQ(wide->childFields.Item("key17")->value, 5);
    EXPECT_EQ(view.widget(WidgetOf(*low->controls.Item(1))).text, "200");
    EXPECT_EQ(view.updatesWithEventsOn, 0);
    EXPECT_TRUE(state.eventsEnabled);
    EXPECT_FALSE(state.valuesFileMatch);  // another device's values still apply
    EXPECT_EQ(window.log, (std::vector<std::string>{"Hide", "Show"}));
}

TEST_F(ValuesFileReaderTest, AMissingValueStoresZeroAndTheDeviceNameMatchesInAnyCase)
{
    Read(R"(<devicevalues name="Scaler"><registerval addr="10" value="3"/></devicevalues>)");
    Read(R"(<devicevalues name="SCALER"><registerval addr="10"/></devicevalues>)");
    EXPECT_EQ(GroupNamed("Wide")->GetValue(0), 0);
    EXPECT_TRUE(state.valuesFileMatch);
}

TEST_F(ValuesFileReaderTest, WithLoadOnChangeEveryLineWritesItsRegister)
{
    auto link = std::make_shared<RecordingLink>(dialogs);
    state.devInterface = link;
    state.loadOnChange = true;
    Read(R"(<devicevalues name="Scaler"><registerval addr="11" value="1"/><registerval addr="11" value="2"/>
        </devicevalues>)");
    EXPECT_EQ(link->writes(), (std::vector<std::string>{"W 10 0", "W 11 1", "W 10 0", "W 11 2"}));
}

TEST_F(ValuesFileReaderTest, AFileThatBreaksOffKeepsTheLinesBeforeAndIsReported)
{
    const std::string path = Write("broken.val", "<devicevalues name=\"Scaler\">\n<registerval addr=\"10\" value=\"4\"/>\n<registerval");
    try {
        ReadValuesFile(state, window, path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        const std::string text = error.what();
        EXPECT_EQ(text.rfind("the values file \"" + path + "\" cannot be read: ", 0), 0u) << text;
        EXPECT_NE(text.find("(line 3, column "), std::string::npos) << text;
    }
    EXPECT_EQ(GroupNamed("Wide")->GetValue(0), 4);
    EXPECT_EQ(window.log, (std::vector<std::string>{"Hide", "Show"}));
    EXPECT_THROW(ReadValuesFile(state, window, dir.file("absent.val")), FileError);
}

}  // namespace
}  // namespace velk::test
