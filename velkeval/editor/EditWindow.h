#pragma once

#include <cstdint>
#include <string>

#include "DescriptionWindow.h"

namespace velk {

// What the edit commands ask of the main window beyond what loading and
// saving ask: the "Edit Mode" entry and the commands that follow it, the
// edit tools window, the clipping frame, the device entries as they stand,
// and the group editor and device properties dialogs.
class EditWindow : public DescriptionWindow {
public:
    virtual bool editModeChecked() const = 0;
    virtual void setEditModeChecked(bool checked) = 0;
    // Edit entries 1 to 7 ("Edit &Group" to "Device Properties").
    virtual void setEditCommandsEnabled(bool enabled) = 0;
    // The edit tools window, shown without blocking against the window's
    // right edge, or hidden.
    virtual void setEditToolsVisible(bool visible) = 0;
    virtual void setClipFrameVisible(bool visible) = 0;

    // The "&Device" entry `index`: its caption and check mark.
    virtual std::string deviceEntryCaption(int16_t index) const = 0;
    virtual bool deviceEntryChecked(int16_t index) const = 0;

    // The group editor on currentGroup, modal; returns once it is closed.
    virtual void RunGroupEditor() = 0;
    // The device properties dialog on currentDevice, modal; true with "OK"
    // (the device then holds the new name and address).
    virtual bool RunDeviceProperties() = 0;
};

}  // namespace velk
