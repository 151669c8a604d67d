#pragma once

#include <memory>
#include <string>
#include <vector>

#include "EditWindow.h"
#include "ProgramState.h"

namespace velk {

// The edit command numbers: the Edit menu entry index, or the edit tools
// button index plus 1.
enum EditCommand : int {
    EditModeToggle = 0,
    EditGroupCommand = 1,
    InsertGroupCommand = 2,
    AppendGroupCommand = 3,
    DeleteGroupCommand = 4,
    NewDeviceCommand = 5,
    CopyDeviceCommand = 6,
    DevicePropertiesCommand = 7,
    GroupUpCommand = 8,
    GroupDownCommand = 9,
};

// The name "New Device" and "Copy Device" give the device they make.
inline constexpr const char* NewDeviceName = "New Device";

// Runs edit command `number`; other numbers run nothing. Every command but
// the toggle marks the layout unsaved and shows "*" after the file name in
// the caption first. Commands on a group need a selected one (currentGroup);
// the device commands need a device. `today` is what a save asked for by
// "Save Changes" writes as its date.
void doEditClick(ProgramState& state, EditWindow& window, int number, const std::string& today);

// A click on a label of the register view: while edit mode is on, a label
// of a group (its tag a group key) selects that group.
void GroupLabelClicked(ProgramState& state, const std::string& tag);

// Makes group the selected one and draws the selection mark over its band,
// showing its page.
void SelectGroup(ProgramState& state, const std::shared_ptr<Group>& group);

// The group after / before group in allGroups, or none.
std::shared_ptr<Group> NextGroup(const ProgramState& state, const Group& group);
std::shared_ptr<Group> PreviousGroup(const ProgramState& state, const Group& group);

// "New Device" when neither a device entry nor a device of the file has
// that name, else "New Device 2", "New Device 3", ...: a save replaces the
// file's device of the new device's name, so the name must be free.
std::string FreeNewDeviceName(const ProgramState& state, const EditWindow& window);

// The names the current device may not take: the other device entries'
// and the file's other devices' (all but the one it replaces when saved).
std::vector<std::string> OtherDeviceNames(const ProgramState& state, const EditWindow& window);

}  // namespace velk
