#pragma once

#include <cstdint>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ControlList.h"
#include "FieldEditor.h"
#include "Group.h"
#include "ProgramState.h"

namespace velk {

inline constexpr std::array<std::string_view, 3> ControlModeEntries{"Parallel", "Series", "Reverse Series"};

// An entry of the group editor's field list: a field name and its sequence.
struct FieldListEntry {
    std::string name;
    int16_t sequence;
};

// The group editor's items and commands (Group Editor) on currentGroup.
// Field and control changes and the size take effect at once; name, address,
// read-only flag and control mode are written by OK. The field and control
// editors run between a Begin and its End; messages go through the state's
// dialogs.
class GroupEditor {
public:
    GroupEditor(ProgramState& state, std::shared_ptr<Group> group);

    std::string name;
    std::string address;
    bool readonly = false;
    int controlModeEntry = 0;

    const std::vector<FieldListEntry>& fieldList() const { return fields_; }
    // The "Controls:" list over the group's controls; New makes a group
    // control at position 100, 50 with range 0 to 1.
    ControlList& controls() { return controls_; }
    std::shared_ptr<ControlRecord> BeginNewControl();
    const Group& group() const { return *group_; }

    // The size box: every change sets the group's size at once (1 when the
    // text does not convert), held between the bytes its fields need and
    // the most a register may have.
    void TypeSize(std::string_view text);
    int16_t minimumSize() const;
    int16_t maximumSize() const;

    // "New" under fields: the new field, made currentField (its row added to
    // the group's height), or nothing after the "no free bits" message or,
    // when the band has no room for another row, its own message.
    std::shared_ptr<Field> BeginNewField();
    // After the field editor: with OK the field joins the group; without it
    // the field is dropped and its row given back.
    void EndNewField(bool accepted);
    // "Edit" under fields: takes entry i out of the group for the field
    // editor (nothing for no entry); End puts it back, changed or not.
    std::shared_ptr<Field> BeginEditField(int i);
    void EndEditField();
    void DeleteField(int i);

    enum class Item { None, Name, Address };
    // OK. Refuses with a message: no fields, only In-House Only fields, a
    // name in use (blanks and letter case aside), an address whose bytes pass
    // 7FFF; the answer is then the item that gets the focus. Otherwise writes
    // name, address, read-only flag and control mode and answers nothing.
    std::optional<Item> Ok();
    // Whether the dialog may close without OK, which keeps the field changes
    // and the size: not while the group has no field that loads back, or its
    // address cannot hold the size (refused with a message).
    bool MayClose() const;

private:
    bool FieldsLoad() const;
    bool NameInUse() const;
    void Enter(const std::shared_ptr<Field>& field);
    // Adds the field's entry to the list in sorted position.
    void ListField(const Field& field);
    void TakeOut(int i);

    ProgramState& state_;
    std::shared_ptr<Group> group_;
    std::vector<FieldListEntry> fields_;
    ControlList controls_;
};

}  // namespace velk
