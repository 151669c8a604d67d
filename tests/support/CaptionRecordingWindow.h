#pragma once

#include <cstdint>
#include <string>

#include "DescriptionWindow.h"

// A headless description window that keeps its caption and answers a given
// program folder; the menus, the view and the link are not there.
class CaptionRecordingWindow : public velk::DescriptionWindow {
public:
    explicit CaptionRecordingWindow(std::string folder) : folder_(std::move(folder)) {}
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
    std::string programFolder() const override { return folder_; }

private:
    std::string folder_;
    std::string caption_;
};
