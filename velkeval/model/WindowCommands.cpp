#include "WindowCommands.h"

#include "DevInterface.h"
#include "Group.h"
#include "ModelError.h"
#include "PageReflow.h"
#include "RegisterView.h"
#include "WidgetRoutines.h"

namespace velk {
namespace {

// Runs the operation on every group in order; the first failure stops the
// loop and is reported under the title followed by the device name.
void ForEachGroupOnDevice(ProgramState& state, void (Group::*operation)(ProgramState&), const std::string& title)
{
    if (!state.currentDevice) return;
    const std::string device = state.currentDevice->devName;
    for (const auto& group : state.allGroups) {
        try {
            ((*group).*operation)(state);
        } catch (const std::exception&) {
            state.dialogs.ShowMessage({title + device, "Unable to communicate with the " + device,
                                       MessageIcon::Exclamation});
            return;
        }
    }
}

}  // namespace

void ReadAllGroups(ProgramState& state)
{
    ForEachGroupOnDevice(state, &Group::doRead, "Error Reading Values from device ");
}

void LoadAllGroups(ProgramState& state)
{
    ForEachGroupOnDevice(state, &Group::doWrite, "Error Writing Values to device ");
}

bool ClickAddressBit(ProgramState& state, int box)
{
    if (!state.currentDevice || !state.currentDevice->AddressBitEditable(box)) return false;
    state.currentDevice->FlipAddressBit(box);
    if (state.devInterface) {
        state.devInterface->Disconnect();
        state.devInterface->Connect(Checked16(state.currentDevice->BusAddress(), "device address"));
    }
    return true;
}

void ApplyMaxPageHeight(ProgramState& state, int16_t height)
{
    if (height <= 0) throw ModelError("A page height must be positive, not " + std::to_string(height));
    RegisterView& view = state.view;
    view.layout.maxPageHeight = height;
    for (int16_t p = 1; p <= view.layout.pageCount(); ++p) view.setPageTop(p, 0);
    if (state.allGroups.count() > 0) {
        const std::string& firstAddress = state.allGroups.Item(1)->address;
        view.SetTabCaption(1, firstAddress);
        view.layout.setTabTag(1, firstAddress);
        ReflowPages(state, 0, 1, nullptr);
    }
    view.hideSelection(1);
    state.currentGroup = nullptr;
}

void ClearAll(ProgramState& state)
{
    RegisterView& view = state.view;
    while (state.allGroups.count() > 0) {
        state.allGroups.Item(1)->Destroy(view);
        state.allGroups.Remove(1);
    }
    state.nameRegistry.Clear();
    view.restoreTemplates();

    view.SelectTab(1);
    while (view.layout.pageCount() > 1) view.RemoveLastPage();
    state.currentDevice = nullptr;
    state.currentFile = nullptr;
    state.currentGroup = nullptr;
    state.currentField = nullptr;
    state.currentControl = nullptr;
    state.devInterface = nullptr;

    view.layout.Reset();
    view.ResetNextIndexes();
    view.setPageHeight(1, Checked16(view.layout.maxPageHeight + 20LL, "page height"));
    view.setPageTop(1, 0);
    state.loadOnChange = false;
    view.SetTabCaption(1, view.layout.tabCaption(1));
}

}  // namespace velk
