#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "DescriptionWindow.h"

namespace velk::test {

// A DescriptionWindow (or a window interface built on it) without a
// display: keeps the caption and the device entries as the two menus would
// show them, and logs the other calls.
template <class Window>
class RecordingWindow : public Window {
public:
    struct Entry {
        std::string caption = "None";
        bool enabled = false;
        bool checked = false;
    };

    RecordingWindow() = default;
    explicit RecordingWindow(std::string folder) : folder_(std::move(folder)) {}

    std::vector<Entry> entries{Entry{}};
    std::vector<std::string> log;  // "BuildAddress", "Hide", "Show", "ReapplyMaxHeight", "ReopenLink"
    std::string captionText;

    std::string caption() const override { return captionText; }
    void setCaption(const std::string& text) override { captionText = text; }

    void addDeviceEntry(int16_t index) override
    {
        Require(index == static_cast<int16_t>(entries.size()), "entries are added at the end");
        entries.emplace_back();
    }
    void removeDeviceEntry(int16_t index) override
    {
        Require(index >= 1 && index == static_cast<int16_t>(entries.size()) - 1, "entries are removed from the end");
        entries.pop_back();
    }
    void setDeviceEntry(int16_t index, const std::string& text, bool enabled) override
    {
        At(index) = Entry{text, enabled, At(index).checked};
    }
    void checkDeviceEntry(int16_t index, bool checked) override { At(index).checked = checked; }

    void BuildAddress() override { log.push_back("BuildAddress"); }
    void setRegisterViewVisible(bool visible) override { log.push_back(visible ? "Show" : "Hide"); }
    void ReapplyMaxHeight() override { log.push_back("ReapplyMaxHeight"); }
    void ReopenLink() override { log.push_back("ReopenLink"); }
    std::string programFolder() const override { return folder_; }

    std::vector<std::string> captions() const
    {
        std::vector<std::string> texts;
        for (const Entry& entry : entries) texts.push_back(entry.caption);
        return texts;
    }

private:
    std::string folder_ = "/nonexistent";

    static void Require(bool condition, const char* rule)
    {
        if (!condition) throw std::logic_error(std::string("device menu misuse: ") + rule);
    }
    Entry& At(int16_t index)
    {
        Require(index >= 0 && index < static_cast<int16_t>(entries.size()), "the entry exists");
        return entries[static_cast<size_t>(index)];
    }
};

using RecordingDescriptionWindow = RecordingWindow<DescriptionWindow>;

}  // namespace velk::test
