#include "DescriptionLoader.h"

#include "RegisterViewHidden.h"
#include "WindowCommands.h"
#include "XMLReader.h"

namespace velk {

void ClearWindow(ProgramState& state, DescriptionWindow& window)
{
    ClearAll(state);
    window.ClearEditModeAndLoadOnChange();
}

void ParseFile(ProgramState& state, DescriptionWindow& window, const std::string& fileName,
               const std::string& deviceName)
{
    state.currentFileName = fileName;
    RegisterViewHidden hidden(window);
    ClearWindow(state, window);
    for (int16_t entry = static_cast<int16_t>(state.deviceCount - 1); entry >= 1; --entry)
        window.removeDeviceEntry(entry);
    state.selectedDeviceName = deviceName;
    state.parseEnabled = true;
    state.deviceCount = 0;
    state.fileDeviceNames.clear();
    state.valuesFileMatch = false;

    XMLReader reader(state, window);
    if (const auto failure = reader.ReadOrDescribeFailure("the description", fileName))
        state.dialogs.ShowMessage({"File Open Error", "Error: " + *failure, MessageIcon::Exclamation, MessageButtons::Ok});
    window.ReapplyMaxHeight();
    window.ReopenLink();
}

}  // namespace velk
