#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ControlRecord.h"
#include "DeviceRecord.h"
#include "Field.h"
#include "Group.h"
#include "GroupCollection.h"
#include "NameRegistry.h"
#include "UserDialogs.h"

namespace velk {

class DevInterface;
class RegisterView;

// The program-wide state of one window: the loaded device, the objects being
// built or edited, the open link and the event flags. Owned by the window
// and passed by reference, so independent states can coexist (in tests, say).
struct ProgramState {
    ProgramState(RegisterView& registerView, UserDialogs& userDialogs) : view(registerView), dialogs(userDialogs) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    RegisterView& view;    // the window's widgets, pages and layout variables
    UserDialogs& dialogs;  // the messages of the commands the model carries out

    GroupCollection allGroups;
    NameRegistry nameRegistry;
    std::shared_ptr<DeviceRecord> currentDevice;
    std::shared_ptr<FileRecord> currentFile;
    std::shared_ptr<Group> currentGroup;
    std::shared_ptr<Field> currentField;
    std::shared_ptr<ControlRecord> currentControl;
    std::shared_ptr<DevInterface> devInterface;
    bool eventsEnabled = false;
    bool loadOnChange = false;

    // The loaded description: its file and the device built from it, as the
    // loader and the saver keep them.
    std::string currentFileName;
    std::string selectedDeviceName;
    int16_t deviceCount = 0;         // "device" elements met by the current load
    // The device names the file currentFileName holds, as the last load or
    // save left it (a device renamed in the window keeps its old name there
    // until it is saved).
    std::vector<std::string> fileDeviceNames;
    bool parseEnabled = true;        // false while the loader skips a device
    bool valuesFileMatch = false;    // the last values file named the current device
    bool layoutSaved = true;         // no layout change since the last save
    bool editMode = false;
};

}  // namespace velk
