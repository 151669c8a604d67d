#include "DeviceEditor.h"

#include <algorithm>

#include "EditorMessages.h"

namespace velk {

std::string NextAddressBitText(std::string_view text)
{
    if (text == "0") return "1";
    if (text == "1") return "x";
    return "0";
}

DeviceEditor::DeviceEditor(ProgramState& state, std::vector<std::string> otherDevices)
    : state_(state), otherDevices_(std::move(otherDevices))
{
    const DeviceRecord& device = *state_.currentDevice;
    name = device.devName;
    addressText_ = device.address;
    // Box i shows character 8 - i (1-based) of the pattern, nothing past its end.
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const size_t at = boxes_.size() - 1 - i;
        boxes_[i] = at < addressText_.size() ? addressText_.substr(at, 1) : std::string();
    }
}

void DeviceEditor::ClickBit(int i)
{
    std::string& box = boxes_.at(static_cast<size_t>(i));
    box = NextAddressBitText(box);
    addressText_.clear();
    for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it) addressText_ += *it;
}

bool DeviceEditor::Ok()
{
    if (name.empty()) {
        state_.dialogs.ShowMessage(DeviceNameEmptyMessage());
        return false;
    }
    if (std::find(otherDevices_.begin(), otherDevices_.end(), name) != otherDevices_.end()) {
        state_.dialogs.ShowMessage(DeviceNameInUseMessage());
        return false;
    }
    DeviceRecord& device = *state_.currentDevice;
    device.address = addressText_;
    device.currAddress = addressText_;
    std::replace(device.currAddress.begin(), device.currAddress.end(), 'x', '0');
    device.devName = name;
    return true;
}

}  // namespace velk
