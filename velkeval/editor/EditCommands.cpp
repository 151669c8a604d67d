#include "EditCommands.h"

#include <algorithm>

#include "DescriptionCommands.h"
#include "DescriptionLoader.h"
#include "DescriptionSaver.h"
#include "DevInterface.h"
#include "EditorMessages.h"
#include "Factories.h"
#include "ModelError.h"
#include "PageReflow.h"
#include "RegisterView.h"
#include "Utilities.h"

namespace velk {
namespace {

// The selection mark: from just below the line the band shares with the
// band above to just below its own underline, across the page.
constexpr int16_t SelectionLeft = 25;
constexpr int16_t SelectionWidth = 6420;
constexpr int16_t SelectionTopInset = 15;
constexpr int16_t SelectionBottomReach = 20;

// The device caption, with " (file)" or " (file*)" for a suffix ")" or "*)".
void ShowDeviceCaption(const ProgramState& state, EditWindow& window, const std::string& fileSuffix = {})
{
    if (state.currentDevice) window.setCaption(DeviceCaption(state, fileSuffix));
}

void ShowEditedCaption(const ProgramState& state, EditWindow& window) { ShowDeviceCaption(state, window, "*)"); }

// The entries of the "&Device" menu: entry 0 always exists.
int16_t DeviceEntryCount(const ProgramState& state) { return std::max<int16_t>(state.deviceCount, 1); }

// The names of the device entries and of the file's devices, but for the
// checked entry and the file's device of selectedDeviceName when
// `exceptCurrent` (the current device takes that device's place when saved).
std::vector<std::string> DeviceNames(const ProgramState& state, const EditWindow& window, bool exceptCurrent)
{
    std::vector<std::string> names;
    for (int16_t entry = 0; entry < state.deviceCount; ++entry)
        if (!exceptCurrent || !window.deviceEntryChecked(entry)) names.push_back(window.deviceEntryCaption(entry));
    for (const std::string& name : state.fileDeviceNames)
        if (!exceptCurrent || name != state.selectedDeviceName) names.push_back(name);
    return names;
}

// Hides the clipping frame while groups change places, and shows it again
// however the work ends.
class ClipFrameHidden {
public:
    explicit ClipFrameHidden(EditWindow& window) : window_(window) { window_.setClipFrameVisible(false); }
    ~ClipFrameHidden() { window_.setClipFrameVisible(true); }
    ClipFrameHidden(const ClipFrameHidden&) = delete;
    ClipFrameHidden& operator=(const ClipFrameHidden&) = delete;

private:
    EditWindow& window_;
};

void ToggleEditMode(ProgramState& state, EditWindow& window)
{
    const bool on = !window.editModeChecked();
    window.setEditModeChecked(on);
    state.editMode = on;
    window.setEditToolsVisible(on);
    window.setEditCommandsEnabled(on);
    if (on) {
        ShowDeviceCaption(state, window, ")");
        return;
    }
    // The selection goes with its mark, so that no later command acts on a
    // group the user no longer sees selected.
    state.view.hideSelection(0);
    state.currentGroup = nullptr;
    ShowDeviceCaption(state, window);
}

// Enters group in allGroups at position and in the registry: in both or,
// when either refuses it, in neither.
void EnterGroup(ProgramState& state, const std::shared_ptr<Group>& group, int position)
{
    state.allGroups.Insert(group, group->groupName, position);
    try {
        state.nameRegistry.Add(group, group->RegistryKey());
    } catch (...) {
        state.allGroups.Remove(position);
        throw;
    }
}

void ForgetFieldKeys(ProgramState& state, const Group& group)
{
    for (const auto& field : group.childFields)
        if (state.nameRegistry.Contains(field->RegistryKey())) state.nameRegistry.Remove(field->RegistryKey());
}

// Takes group out of allGroups and the registry (its fields stay keyed).
void TakeOutGroup(ProgramState& state, const Group& group)
{
    state.allGroups.Remove(state.allGroups.PositionOf(group));
    if (state.nameRegistry.Contains(group.RegistryKey())) state.nameRegistry.Remove(group.RegistryKey());
}

void EditGroup(ProgramState& state, EditWindow& window)
{
    const auto group = state.currentGroup;
    if (!group) return;
    const auto next = NextGroup(state, *group);
    const auto putBack = [&] {
        EnterGroup(state, group, next ? state.allGroups.PositionOf(*next) : state.allGroups.count() + 1);
        group->Initialize(state, true);
    };
    group->Destroy(state.view);
    TakeOutGroup(state, *group);
    try {
        window.RunGroupEditor();
    } catch (...) {
        // The register is not lost with the editor: it goes back as it is.
        putBack();
        throw;
    }
    putBack();
    SelectGroup(state, group);
}

// Runs the group editor on a new group, which then takes the place of
// `before` (the end of the last page when none) and is selected. `before`
// is held by value: it is often currentGroup, which the new group replaces.
void AddNewGroup(ProgramState& state, EditWindow& window, std::shared_ptr<Group> before)
{
    try {
        NextFreeAddress(state.allGroups);
    } catch (const ModelError&) {
        state.dialogs.ShowMessage(NoFreeGroupAddressMessage());
        return;
    }
    const auto group = NewGroup(state);
    state.currentGroup = group;
    try {
        window.RunGroupEditor();
    } catch (...) {
        // The new group never joins the device.
        ForgetFieldKeys(state, *group);
        state.currentGroup = before;
        throw;
    }
    PageLayout& layout = state.view.layout;
    if (before) {
        EnterGroup(state, group, state.allGroups.PositionOf(*before));
        group->y = before->y;
        group->frame = before->frame;
    } else {
        EnterGroup(state, group, state.allGroups.count() + 1);
        group->frame = layout.pageCount();
        // An empty page has bottom 0: the band starts at its top, not above it.
        group->y = static_cast<int16_t>(std::max(0, layout.pageBottom(group->frame) - 20));
    }
    group->Initialize(state, true);
    SelectGroup(state, group);
}

void DeleteGroup(ProgramState& state)
{
    const auto group = state.currentGroup;
    if (!group) return;
    group->Destroy(state.view);
    ReflowPages(state, group->y, group->frame, group.get());
    TakeOutGroup(state, *group);
    ForgetFieldKeys(state, *group);
    state.currentGroup = nullptr;
    state.view.hideSelection(0);
}

// Of two neighbours in allGroups, `second` moves in front of `first` and
// takes its place on the page; the groups after it are laid out again.
void SwapWithNeighbour(ProgramState& state, EditWindow& window, const std::shared_ptr<Group>& first,
                       const std::shared_ptr<Group>& second)
{
    ClipFrameHidden hidden(window);
    int16_t top = first->y;
    int16_t page = first->frame;
    state.allGroups.Remove(state.allGroups.PositionOf(*second));
    state.allGroups.Insert(second, second->groupName, state.allGroups.PositionOf(*first));
    second->incrY(state, top, page);
    ReflowPages(state, top, page, second.get());
}

void MoveGroup(ProgramState& state, EditWindow& window, bool up)
{
    const auto group = state.currentGroup;
    if (!group) return;
    const auto neighbour = up ? PreviousGroup(state, *group) : NextGroup(state, *group);
    if (!neighbour) return;
    if (up) SwapWithNeighbour(state, window, neighbour, group);
    else SwapWithNeighbour(state, window, group, neighbour);
    SelectGroup(state, group);
}

// A checked "&Device" entry `name` after the others, which lose their marks.
void AddCheckedDeviceEntry(ProgramState& state, EditWindow& window, const std::string& name)
{
    const int16_t index = state.deviceCount;
    // Entry 0 always exists; it is reused while no device filled it.
    if (index > 0) window.addDeviceEntry(index);
    window.setDeviceEntry(index, name, true);
    ++state.deviceCount;
    for (int16_t entry = 0; entry < state.deviceCount; ++entry) window.checkDeviceEntry(entry, entry == index);
    state.selectedDeviceName = name;
}

void NewDevice(ProgramState& state, EditWindow& window, const std::string& today)
{
    if (!QuerySaveChanges(state, window, today)) return;
    const auto link = state.devInterface;
    const auto file = state.currentFile;
    auto device = std::make_shared<DeviceRecord>();
    if (state.currentDevice) {
        device->address = state.currentDevice->address;
        device->currAddress = state.currentDevice->currAddress;
    }
    device->devName = FreeNewDeviceName(state, window);
    ClearWindow(state, window);
    state.devInterface = link;
    state.currentFile = file;
    state.currentDevice = device;
    AddCheckedDeviceEntry(state, window, device->devName);
    // The cleared view has the page height of no option; take the checked one.
    window.ReapplyMaxHeight();
    ToggleEditMode(state, window);
}

void CopyDevice(ProgramState& state, EditWindow& window, const std::string& today)
{
    if (!QuerySaveChanges(state, window, today) || !state.currentDevice) return;
    state.currentDevice->devName = FreeNewDeviceName(state, window);
    AddCheckedDeviceEntry(state, window, state.currentDevice->devName);
    ShowEditedCaption(state, window);  // it named the device before the copy
}

int16_t CheckedDeviceEntry(const ProgramState& state, const EditWindow& window)
{
    for (int16_t entry = 0; entry < DeviceEntryCount(state); ++entry)
        if (window.deviceEntryChecked(entry)) return entry;
    return -1;
}

void DeviceProperties(ProgramState& state, EditWindow& window)
{
    if (!state.currentDevice) return;
    if (state.devInterface) state.devInterface->Disconnect();
    if (window.RunDeviceProperties()) window.BuildAddress();
    const DeviceRecord& device = *state.currentDevice;
    const int16_t entry = CheckedDeviceEntry(state, window);
    if (entry >= 0) window.setDeviceEntry(entry, device.devName, true);
    ShowDeviceCaption(state, window, state.editMode ? ")" : "");
    // Last, so that a link that fails to connect leaves the rest done.
    if (state.devInterface) state.devInterface->Connect(Checked16(device.BusAddress(), "device address"));
}

}  // namespace

void doEditClick(ProgramState& state, EditWindow& window, int number, const std::string& today)
{
    if (number < EditModeToggle || number > GroupDownCommand) return;
    if (number != EditModeToggle) {
        state.layoutSaved = false;
        ShowEditedCaption(state, window);
    }
    switch (static_cast<EditCommand>(number)) {
    case EditModeToggle: ToggleEditMode(state, window); break;
    case EditGroupCommand: EditGroup(state, window); break;
    case InsertGroupCommand:
        if (state.currentGroup) AddNewGroup(state, window, state.currentGroup);
        break;
    case AppendGroupCommand: AddNewGroup(state, window, nullptr); break;
    case DeleteGroupCommand: DeleteGroup(state); break;
    case NewDeviceCommand: NewDevice(state, window, today); break;
    case CopyDeviceCommand: CopyDevice(state, window, today); break;
    case DevicePropertiesCommand: DeviceProperties(state, window); break;
    case GroupUpCommand: MoveGroup(state, window, true); break;
    case GroupDownCommand: MoveGroup(state, window, false); break;
    }
}

void GroupLabelClicked(ProgramState& state, const std::string& tag)
{
    if (!state.editMode || !tag.starts_with("group")) return;
    const RegisteredObject* owner = state.nameRegistry.Find(tag);
    if (!owner || !std::holds_alternative<std::shared_ptr<Group>>(*owner)) return;
    SelectGroup(state, std::get<std::shared_ptr<Group>>(*owner));
}

void SelectGroup(ProgramState& state, const std::shared_ptr<Group>& group)
{
    state.currentGroup = group;
    RegisterView& view = state.view;
    if (group->frame != view.layout.currentPage) view.SelectTab(group->frame);
    const int16_t top = Checked16(group->y + static_cast<long long>(SelectionTopInset), "selection top");
    const int16_t height =
        Checked16(static_cast<long long>(group->height) + SelectionBottomReach - SelectionTopInset, "selection height");
    view.showSelection(group->frame, SelectionLeft, top, SelectionWidth, height);
}

std::shared_ptr<Group> NextGroup(const ProgramState& state, const Group& group)
{
    const int position = state.allGroups.PositionOf(group);
    if (position == 0 || position == state.allGroups.count()) return nullptr;
    return state.allGroups.Item(position + 1);
}

std::shared_ptr<Group> PreviousGroup(const ProgramState& state, const Group& group)
{
    const int position = state.allGroups.PositionOf(group);
    if (position <= 1) return nullptr;
    return state.allGroups.Item(position - 1);
}

std::string FreeNewDeviceName(const ProgramState& state, const EditWindow& window)
{
    const std::vector<std::string> taken = DeviceNames(state, window, false);
    std::string name = NewDeviceName;
    for (int n = 2; std::find(taken.begin(), taken.end(), name) != taken.end(); ++n)
        name = std::string(NewDeviceName) + " " + std::to_string(n);
    return name;
}

std::vector<std::string> OtherDeviceNames(const ProgramState& state, const EditWindow& window)
{
    return DeviceNames(state, window, true);
}

}  // namespace velk
