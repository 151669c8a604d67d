// Random sequences of editor operations on a loaded description: whatever
// the editors leave in the model saves to a file that loads back to the same
// layout, and saving that again gives the same bytes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "ControlEditor.h"
#include "ControlType.h"
#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "Factories.h"
#include "GroupEditor.h"
#include "HeadlessRegisterView.h"
#include "LayoutDifference.h"
#include "LayoutRules.h"
#include "ModelError.h"
#include "RecordingDescriptionWindow.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

namespace velk {
namespace {

const char* const Description = R"(<file title="Round trip">
<author value="lab"/><modified value="1/1/2000"/>
<device addr="0111x0x0" name="Scaler">
 <group name="Output control" size="2" addr="1A" readonly="False" controlmode="1">
  <field name="Enable"><pos byte="0" range="7:4" /><defaultvalue radix="hex" value="A"/>
   <namefg value="FF"/><namebg value="FFFFFF"/><namebold/>
   <control type="Combo"><max value="2"/><min value="0"/><pos x="100" y="50"/><fg value="FF00"/><bg value="0"/>
    <width value="1000"/><tooltip value="on &amp; off"/>
    <indexvalue index="0" value="Off"/><indexvalue index="1" value="On" bold="true" fg="FF" bg="FFFFFF"/></control>
   <control type="Scrollbar"><max value="15"/><min value="0"/><pos x="1200" y="50"/><fg value="FF"/><bg value="0"/><width value="700"/></control>
  </field>
  <field name="Spare bits"><pos byte="0" range="1:0" /><reserved/></field>
  <field name="Secret"><pos byte="1" range="3:3" /><inhouse/></field>
  <field name="Level"><pos byte="1" range="7:5" /><defaultvalue value="3"/>
   <control type="Display"><max value="3"/><pos x="100" y="50"/><width value="900"/>
    <indexvalue index="2" value="Two" italic="true"/></control>
  </field>
  <groupcontrol type="Label"><caption value="a&lt;b"/><pos x="100" y="400"/><width value="800"/><justify value="2"/></groupcontrol>
  <groupcontrol type="UpDown"><max value="255"/><pos x="1000" y="50"/><radix value="hex"/><height value="300"/><width value="600"/></groupcontrol>
 </group>
 <group name="Status" size="1" addr="7FFE" readonly="True">
  <field name="Busy"><pos byte="0" range="0:0" /></field>
 </group>
</device>
</file>
)";

const char* const Today = "3/14/2005";
constexpr int ChainLength = 20;

// A program state that a description is loaded into.
struct LoadedState {
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    test::RecordingDescriptionWindow window;

    explicit LoadedState(const std::string& path) { ParseFile(state, window, path, ""); }
};

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The editors' operations with random choices, and random ways out of
// each dialog, as a user would combine them.
class RandomEditor {
public:
    RandomEditor(ProgramState& state, uint32_t seed) : state_(state), random_(seed) {}

    void Operation()
    {
        if (state_.allGroups.count() < 6 && Chance(4)) return AppendGroup();
        EditGroup(Pick(state_.allGroups.count()) + 1);
    }

private:
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::string Text(int maxLength)
    {
        static const std::string characters = "AbZ z09 _&<>\"'.\t";
        std::string text;
        for (int n = Pick(maxLength + 1); n > 0; --n) text += characters[static_cast<size_t>(Pick(static_cast<int>(characters.size())))];
        return text;
    }
    std::string Number(int low, int high) { return Chance(12) ? Text(3) : std::to_string(Between(low, high)); }
    // A field name the registry holds already, when there is one.
    static std::string NameInUse(const Group& group)
    {
        return group.childFields.count() ? group.childFields.Item(1)->fieldName : "";
    }
    int32_t Colour() { return Chance(4) ? static_cast<int32_t>(0x80000000u + static_cast<uint32_t>(Pick(25))) : Pick(0x1000000); }

    // As the edit command does: the group leaves the collections while it is
    // edited and comes back under its name before the group that followed it.
    void EditGroup(int position)
    {
        const auto group = state_.allGroups.Item(position);
        const std::string next = position < state_.allGroups.count() ? state_.allGroups.Item(position + 1)->groupName : "";
        state_.allGroups.Remove(position);
        state_.nameRegistry.Remove(group->RegistryKey());
        RunGroupEditor(group);
        state_.allGroups.Add(group, group->groupName, next);
        state_.nameRegistry.Add(group, group->RegistryKey());
    }

    void AppendGroup()
    {
        std::shared_ptr<Group> group;
        try {
            group = NewGroup(state_);
        } catch (const ModelError&) {
            return;  // no address is left after a group at 7FFF: the command fails before the editor
        }
        RunGroupEditor(group);
        state_.allGroups.Add(group, group->groupName);
        state_.nameRegistry.Add(group, group->RegistryKey());
    }

    void RunGroupEditor(const std::shared_ptr<Group>& group)
    {
        state_.currentGroup = group;
        GroupEditor editor(state_, group);
        for (int n = Pick(6); n > 0; --n) GroupCommand(editor);
        // Out by OK or by closing; each refusal leaves the dialog open.
        while (true) {
            editor.name = Chance(3) ? Text(6) : editor.name;
            editor.address = Chance(4) ? Number(0, 0x7FFF) : editor.address;
            editor.readonly = Chance(2);
            editor.controlModeEntry = Pick(3);
            if (Chance(3) ? editor.MayClose() : !editor.Ok()) break;
            Mend(editor);
        }
    }

    // What a user does after a refusal: a field that is shown, another name,
    // another address.
    void Mend(GroupEditor& editor)
    {
        AddShownField(editor);
        editor.name = "G" + std::to_string(++made_);
        editor.address = "10";
    }

    void GroupCommand(GroupEditor& editor)
    {
        const int fields = static_cast<int>(editor.fieldList().size());
        const int controls = static_cast<int>(editor.controls().names().size());
        switch (Pick(7)) {
        case 0:
            if (editor.BeginNewField()) editor.EndNewField(RunFieldEditor(editor));
            break;
        case 1:
            if (editor.BeginEditField(Pick(fields + 1))) {
                RunFieldEditor(editor);
                editor.EndEditField();
            }
            break;
        case 2: editor.DeleteField(Pick(fields + 1)); break;
        case 3: editor.TypeSize(Chance(20) ? Number(0, 100) : Number(0, 4)); break;
        case 4:
            editor.BeginNewControl();
            RunControlEditor();
            editor.controls().EndNew();
            break;
        case 5: {
            const int i = Pick(controls + 1);
            if (editor.controls().BeginEdit(i)) {
                RunControlEditor();
                editor.controls().EndEdit(i);
            }
            break;
        }
        default: editor.controls().Delete(Pick(controls + 1)); break;
        }
    }

    // True when the field editor was left by OK.
    bool RunFieldEditor(GroupEditor& groupEditor)
    {
        Field& field = *state_.currentField;
        const Group& group = groupEditor.group();
        FieldEditor editor(field, group);
        ControlList controls(state_, field.controls);
        for (int attempt = 0; attempt < 4; ++attempt) {
            if (Chance(3)) editor.name = Chance(4) ? NameInUse(group) : Text(6);
            editor.byteEntry = Pick(group.size);
            editor.upperText = Chance(8) ? Number(-1, 8) : Number(0, 7);
            editor.lowerText = Chance(8) ? Number(-1, 8) : Number(0, 7);
            editor.defaultText = Number(-2, 300);
            editor.radixEntry = Pick(4);
            editor.fg = Colour();
            editor.bg = Chance(3) ? editor.fg : Colour();
            editor.bold = Chance(2);
            editor.italic = Chance(2);
            editor.inhouse = Chance(6);
            editor.reserved = Chance(5);
            if (Chance(2)) {
                controls.BeginNew(editor.NewControl(group));
                RunControlEditor();
                controls.EndNew();
            }
            if (Chance(4)) controls.Delete(Pick(static_cast<int>(controls.names().size()) + 1));
            if (!editor.Ok(state_.dialogs, state_.nameRegistry, field, group)) return true;
        }
        while (!MayCloseFieldEditor(state_.dialogs, field)) controls.Delete(0);
        return false;
    }

    void RunControlEditor()
    {
        using Box = ControlEditor::Box;
        ControlEditor editor(*state_.currentControl, state_.currentGroup.get());
        if (Chance(2)) editor.ChooseType(Pick(static_cast<int>(ControlTypeEntries.size())));
        // A list gets the entries it needs, mostly a few.
        const bool list = editor.controlType() == ControlType::Combo || editor.controlType() == ControlType::Display;
        if (list && !Chance(10)) editor.Type(Box::Max, Number(-1, 12));
        for (int n = Pick(5); n > 0; --n) {
            const Box box = static_cast<Box>(Pick(6));
            const EnabledItems enabled = editor.enabled();
            if ((box == Box::Max && !enabled.max) || (box == Box::Min && !enabled.min) ||
                (box == Box::Height && !enabled.height))
                continue;  // a disabled box takes no typing
            const bool range = box == Box::Max || box == Box::Min;
            const bool tooLong = list && box == Box::Max && Chance(50);  // refused by OK
            editor.Type(box, tooLong ? "32767" : range ? Number(-3, 12) : Number(-100, 3000));
        }
        editor.caption = Chance(2) ? Text(5) : editor.caption;
        editor.tooltip = Chance(2) ? Text(5) : editor.tooltip;
        editor.radixEntry = Pick(4);
        editor.justifyEntry = Pick(3);
        editor.bold = Chance(2);
        editor.italic = Chance(2);
        editor.useDefaultColors = Chance(2);
        editor.fg = Colour();
        editor.bg = Colour();
        if (editor.indexList().count() > 0 && Chance(2)) {
            editor.SelectEntry(Pick(editor.indexList().count()));
            editor.entryText = Text(4);
            editor.entryLook = IndexLook{Colour(), Chance(2) ? 0 : Colour(), Chance(2), Chance(2)};
            editor.ChangeEntry();
        }
        if (Chance(4) || !editor.Ok(state_.dialogs, *state_.currentControl)) return;  // Cancel
    }

    // A one-bit field that is not in-house at the first free bit.
    void AddShownField(GroupEditor& editor)
    {
        if (!HasFreeBits(editor.group())) editor.TypeSize(std::to_string(editor.group().size + 1));
        const Group& group = editor.group();
        for (int16_t byte = 0; byte < group.size; ++byte)
            for (int16_t bit = 0; bit <= 7; ++bit) {
                if (PositionInUse(group, byte, bit, bit, nullptr)) continue;
                const auto field = editor.BeginNewField();
                FieldEditor fieldEditor(*field, group);
                fieldEditor.name = "F" + std::to_string(++made_);
                fieldEditor.byteEntry = byte;
                fieldEditor.upperText = fieldEditor.lowerText = std::to_string(bit);
                editor.EndNewField(!fieldEditor.Ok(state_.dialogs, state_.nameRegistry, *field, group));
                return;
            }
    }

    ProgramState& state_;
    std::mt19937 random_;
    int made_ = 0;
};

TEST(EditRoundTripTest, EditedLayoutsSaveAndLoadBackUnchanged)
{
    // Every save flushes its file to the disk; in a folder in memory thousands
    // of them stay quick.
    TempDir dir(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path());
    const std::string original = dir.file("original.xml");
    std::ofstream(original, std::ios::binary) << Description;
    const std::string saved = dir.file("saved.xml");
    const std::string again = dir.file("again.xml");

    const int sequences = 3000;
    // 3000 sequences take a few seconds; a slow build (sanitizers, a busy
    // machine) stops at the time bound, after a number still worth checking.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::unique_ptr<LoadedState> edited;
    int done = 0;
    for (; done < sequences && std::chrono::steady_clock::now() < deadline; ++done) {
        // Each chain of sequences edits what the previous one read back, and
        // starts again from the description before the layout grows large.
        if (done % ChainLength == 0) {
            edited = std::make_unique<LoadedState>(original);
            ASSERT_TRUE(edited->dialogs.messages().empty());
        }
        RandomEditor editor(edited->state, static_cast<uint32_t>(done));
        for (int n = 1 + done % 4; n > 0; --n) editor.Operation();

        ASSERT_TRUE(doXMLSave(edited->state, edited->window, saved, Today));
        auto reloaded = std::make_unique<LoadedState>(saved);
        ASSERT_TRUE(reloaded->dialogs.messages().empty())
            << "sequence " << done << ": " << reloaded->dialogs.messages().front().text;
        ASSERT_EQ(test::LayoutDifference(edited->state, reloaded->state), "") << "sequence " << done;
        ASSERT_TRUE(doXMLSave(reloaded->state, reloaded->window, again, Today));
        ASSERT_EQ(Bytes(saved), Bytes(again)) << "sequence " << done;
        edited = std::move(reloaded);
    }
    RecordProperty("sequences", done);
    EXPECT_GE(done, 500) << "the time bound cut the run short";
}

}  // namespace
}  // namespace velk
