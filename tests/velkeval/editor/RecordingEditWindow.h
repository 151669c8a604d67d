#pragma once

#include <functional>

#include "EditCommands.h"
#include "EditWindow.h"
#include "RecordingDescriptionWindow.h"

namespace velk::test {

// An EditWindow without a display on a program state: the edit entries,
// the tool window and the clipping frame are flags; the dialogs run the
// given functions. Its share of clearing leaves edit mode as the window's
// does: "Edit Mode" checked, then its command.
class RecordingEditWindow : public RecordingWindow<EditWindow> {
public:
    explicit RecordingEditWindow(ProgramState& state) : state_(state) {}

    bool editModeEntry = false;
    bool editCommandsEnabled = false;
    bool editToolsVisible = false;
    bool clipFrameVisible = true;
    int clipFrameHidings = 0;
    std::function<void()> groupEditor = [] {};
    std::function<bool()> deviceProperties = [] { return false; };

    bool editModeChecked() const override { return editModeEntry; }
    void setEditModeChecked(bool checked) override { editModeEntry = checked; }
    void setEditCommandsEnabled(bool enabled) override { editCommandsEnabled = enabled; }
    void setEditToolsVisible(bool visible) override { editToolsVisible = visible; }
    void setClipFrameVisible(bool visible) override
    {
        clipFrameVisible = visible;
        if (!visible) ++clipFrameHidings;
    }
    std::string deviceEntryCaption(int16_t index) const override { return entries.at(static_cast<size_t>(index)).caption; }
    bool deviceEntryChecked(int16_t index) const override { return entries.at(static_cast<size_t>(index)).checked; }
    void RunGroupEditor() override { groupEditor(); }
    bool RunDeviceProperties() override { return deviceProperties(); }
    void ClearEditModeAndLoadOnChange() override
    {
        editModeEntry = true;
        doEditClick(state_, *this, EditModeToggle, "");
    }

private:
    ProgramState& state_;
};

}  // namespace velk::test
