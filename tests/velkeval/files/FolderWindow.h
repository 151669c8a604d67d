#pragma once

#include <stdexcept>
#include <string>

#include "RecordingDescriptionWindow.h"

namespace velk::test {

// The recording window with a link that can be made to fail.
class FolderWindow : public RecordingDescriptionWindow {
public:
    using RecordingDescriptionWindow::RecordingDescriptionWindow;
    void ReopenLink() override
    {
        RecordingDescriptionWindow::ReopenLink();
        if (linkFails) throw std::runtime_error("the link cannot open");
    }

    bool linkFails = false;
};

// A description of two devices, each with one one-byte register: "First"
// with "One" at 10, "Second" with "Two" at 20.
inline std::string TwoDevices(const std::string& title)
{
    const auto device = [](const std::string& name, const std::string& addr, const std::string& group,
                           const std::string& reg) {
        return "<device addr=\"" + addr + "\" name=\"" + name + "\"><group name=\"" + group + "\" addr=\"" + reg +
               "\" size=\"1\"><field name=\"" + group + "F\"><pos range=\"7:0\"/></field></group></device>";
    };
    return "<file title=\"" + title + "\">" + device("First", "1010xxx0", "One", "10") +
           device("Second", "10011000", "Two", "20") + "</file>";
}

}  // namespace velk::test
