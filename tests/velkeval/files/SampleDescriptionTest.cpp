#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AttributeList.h"
#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "FolderWindow.h"
#include "HeadlessRegisterView.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "SavedModel.h"
#include "SaxFileReader.h"
#include "XmlLines.h"

namespace velk::test {
namespace {

const std::string Sample = VELK_SAMPLE_DESCRIPTION;

// What the sample holds, gathered from its element events.
struct SampleSummary : ElementEvents {
    struct Register {
        std::string device, name, address;
        int size = 0, mode = 0;
        bool readonly = false;
        int lastByteLowestBit = 8;  // the lowest field bit in the register's last byte
        int defaultBytes = 0;       // byte 0 from the fields' default values
    };
    std::map<std::string, std::string> deviceAddresses;
    std::vector<Register> registers;
    std::set<std::string> keysSeen, duplicateKeys;
    std::set<std::string> fieldControlTypes, groupControlTypes;
    int inhouse = 0, reserved = 0, styledEntries = 0, listsOfWrongLength = 0;

    void startElement(const std::string& name, const AttributeList& a) override
    {
        const auto value = [&](const char* attribute) { return GetAttribute(a, attribute); };
        if (name == "device") {
            device_ = value("name");
            deviceAddresses[device_] = value("addr");
        } else if (name == "group") {
            registers.push_back({device_, value("name"), value("addr"), std::stoi(value("size")),
                                 std::stoi(value("controlmode")), value("readonly") == "True"});
            Key("group", value("name"));
        } else if (name == "field") {
            Key("field", value("name"));
            inControl_ = false;
        } else if (name == "pos" && !inControl_) {
            byte_ = std::stoi(value("byte"));
            lowBit_ = std::stoi(value("range").substr(value("range").find(':') + 1));
            if (byte_ == registers.back().size - 1)
                registers.back().lastByteLowestBit = std::min(registers.back().lastByteLowestBit, lowBit_);
        } else if (name == "defaultvalue" && byte_ == 0) {
            registers.back().defaultBytes += std::stoi(value("value")) << lowBit_;
        } else if (name == "inhouse") {
            ++inhouse;
        } else if (name == "reserved") {
            ++reserved;
        } else if (name == "control" || name == "groupcontrol") {
            (name == "control" ? fieldControlTypes : groupControlTypes).insert(value("type"));
            inControl_ = true;
            entries_ = 0;
            max_ = min_ = 0;
            isList_ = value("type") == "Combo" || value("type") == "Display";
        } else if (name == "max") {
            max_ = std::stoi(value("value"));
        } else if (name == "min") {
            min_ = std::stoi(value("value"));
        } else if (name == "indexvalue") {
            ++entries_;
            if (value("bold") == "true" && value("fg") != "GANone") ++styledEntries;
        }
    }
    void endElement(const std::string& name) override
    {
        if ((name == "control" || name == "groupcontrol") && isList_ && entries_ != max_ - min_ + 1)
            ++listsOfWrongLength;
        if (name == "control" || name == "groupcontrol") inControl_ = false;
    }

private:
    // Names become look-up keys without blanks; a repeat in a device fails the load.
    void Key(const std::string& kind, std::string name)
    {
        name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
        if (!keysSeen.insert(device_ + "/" + kind + name).second) duplicateKeys.insert(kind + name);
    }
    std::string device_;
    int byte_ = 0, lowBit_ = 0, entries_ = 0, max_ = 0, min_ = 0;
    bool inControl_ = false, isList_ = false;
};

TEST(SampleDescription, DescribesABoardThatShowsEveryPartOfTheFormat)
{
    SampleSummary summary;
    const ParseOutcome outcome = ReadWithSax(Sample, summary);
    ASSERT_TRUE(outcome.ok) << outcome.lastError << " at line " << outcome.line;

    ASSERT_EQ(summary.deviceAddresses.size(), 2u);
    std::set<std::string> addresses;
    for (const auto& [device, address] : summary.deviceAddresses) {
        EXPECT_TRUE(address.size() == 8 && address.find_first_not_of("01x") == std::string::npos) << address;
        addresses.insert(address);
    }
    EXPECT_EQ(addresses.size(), 2u);
    EXPECT_TRUE(std::any_of(addresses.begin(), addresses.end(),
                            [](const std::string& a) { return a.find('x') != std::string::npos; }));
    EXPECT_GE(summary.registers.size(), 30u);
    EXPECT_TRUE(summary.duplicateKeys.empty()) << *summary.duplicateKeys.begin();

    const std::set<std::string> allTypes = {"TextBox", "Combo", "UpDown", "Scrollbar", "Display", "Label"};
    std::set<std::string> usedTypes = summary.fieldControlTypes;
    usedTypes.insert(summary.groupControlTypes.begin(), summary.groupControlTypes.end());
    EXPECT_EQ(usedTypes, allTypes);
    EXPECT_GE(summary.groupControlTypes.size(), 4u);
    EXPECT_EQ(summary.listsOfWrongLength, 0);
    EXPECT_GT(summary.inhouse, 0);
    EXPECT_GT(summary.reserved, summary.inhouse);
    EXPECT_GT(summary.styledEntries, 0);

    std::set<int> modes;
    bool readonlyRegister = false, droppedLowBits = false;
    for (const auto& r : summary.registers) {
        modes.insert(r.mode);
        readonlyRegister |= r.readonly;
        droppedLowBits |= r.size > 1 && r.mode == 1 && r.lastByteLowestBit > 0 && r.lastByteLowestBit < 8;
    }
    EXPECT_EQ(modes, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(readonlyRegister);
    EXPECT_TRUE(droppedLowBits);

    const auto status = std::find_if(summary.registers.begin(), summary.registers.end(),
                                     [](const auto& r) { return r.address == "0E"; });
    ASSERT_NE(status, summary.registers.end());
    EXPECT_EQ(status->device, summary.registers.front().device);
    EXPECT_TRUE(status->readonly);
    EXPECT_EQ(status->defaultBytes, 3);
}

// Rebuilds every element line from the parse with the writer's line
// builder; without its comments the file must be exactly that.
class LineRebuilder : public ElementEvents {
public:
    XmlLines out;
    void startElement(const std::string& name, const AttributeList& a) override
    {
        FinishPending();
        out.Open(depth_, name);
        for (int i = 0; i < a.getLength(); ++i)
            out.Attribute(a.getLocalName(i), a.getValue(i), name == "caption" ? Escaping::MarkupAndGreater : Escaping::Markup);
        pendingSpaced_ = name == "pos" && !parent_.empty() && parent_.back() == "field";
        pending_ = true;
        parent_.push_back(name);
        ++depth_;
    }
    void endElement(const std::string& name) override
    {
        --depth_;
        parent_.pop_back();
        if (pending_ && !Container(name)) {
            pending_ = false;
            pendingSpaced_ ? out.EndEmptySpaced() : out.EndEmpty();
            return;
        }
        FinishPending();
        out.Close(depth_, name);
    }

private:
    static bool Container(const std::string& name)
    {
        return name == "file" || name == "device" || name == "group" || name == "field" || name == "control" ||
               name == "groupcontrol";
    }
    void FinishPending()
    {
        if (pending_) out.EndStartTag();
        pending_ = false;
    }
    std::vector<std::string> parent_;
    int depth_ = 0;
    bool pending_ = false, pendingSpaced_ = false;
};

// The text without its comments and the indentation and line end around them.
std::string WithoutComments(const std::string& text)
{
    std::string kept;
    size_t from = 0;
    for (size_t start; (start = text.find("<!--", from)) != std::string::npos;) {
        const size_t lineStart = text.find_last_not_of('\t', start - 1) + 1;
        kept += text.substr(from, lineStart - from);
        from = text.find("-->\r\n", start) + 5;
    }
    return kept + text.substr(from);
}

TEST(SampleDescription, IsWrittenInTheWritersLineFormat)
{
    LineRebuilder rebuilt;
    ASSERT_TRUE(ReadWithSax(Sample, rebuilt).ok);
    EXPECT_EQ(WithoutComments(ReadBytes(Sample)), rebuilt.out.text());
}

}  // namespace
}  // namespace velk::test

namespace velk::test {
namespace {

// Loads `device` from `file` and saves it over `file`.
void LoadAndSave(const std::string& folder, const std::string& file, const std::string& device)
{
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    FolderWindow window{folder};
    ParseFile(state, window, file, device);
    ASSERT_TRUE(dialogs.messages().empty()) << dialogs.messages().front().text;
    ASSERT_TRUE(doXMLSave(state, window, file, "1/2/2026"));
}

// What the loader keeps of each device is what the writer writes: a second
// load and save of a saved sample changes nothing.
TEST(SampleDescription, EveryDeviceSurvivesALoadAndSaveUnchanged)
{
    TempDir dir;
    const std::string file = dir.file("board.xml");
    for (const std::string device : {"Display Scaler", "Timing Controller"}) {
        WriteBytes(file, ReadBytes(Sample));
        LoadAndSave(dir.file("program"), file, device);
        const std::string once = ReadBytes(file);
        LoadAndSave(dir.file("program"), file, device);
        EXPECT_EQ(ReadBytes(file), once) << device;
        EXPECT_NE(once.find("name=\"" + device + "\""), std::string::npos);
    }
}

}  // namespace
}  // namespace velk::test
