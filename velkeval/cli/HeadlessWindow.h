#pragma once

#include <string>

#include "DescriptionWindow.h"

namespace velk::cli {

// The main window as a description load sees it, without a display: the
// caption and the device menus are not shown, and the link is opened by the
// command afterwards, only when it talks to the chip. The program folder is
// the executable's, where the default description lives.
class HeadlessWindow : public DescriptionWindow {
public:
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void addDeviceEntry(int16_t) override {}
    void removeDeviceEntry(int16_t) override {}
    void setDeviceEntry(int16_t, const std::string&, bool) override {}
    void checkDeviceEntry(int16_t, bool) override {}
    void BuildAddress() override {}
    void setRegisterViewVisible(bool) override {}
    void ReapplyMaxHeight() override {}
    void ReopenLink() override {}
    std::string programFolder() const override;

private:
    std::string caption_;
};

}  // namespace velk::cli
