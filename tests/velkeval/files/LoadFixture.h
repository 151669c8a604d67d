#pragma once

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "DescriptionLoader.h"
#include "HeadlessRegisterView.h"
#include "ProgramState.h"
#include "RecordingDescriptionWindow.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

namespace velk::test {

// A headless view that counts the widget updates made while eventsEnabled
// is set, which a real window would take for the user's changes.
class EventsWatchingView : public HeadlessRegisterView {
public:
    const bool* eventsEnabled = nullptr;
    int updatesWithEventsOn = 0;

    void setText(WidgetId id, const std::string& text) override
    {
        Watch();
        HeadlessRegisterView::setText(id, text);
    }
    void addListItem(WidgetId id, const std::string& text) override
    {
        Watch();
        HeadlessRegisterView::addListItem(id, text);
    }
    void setValue(WidgetId id, int value) override
    {
        Watch();
        HeadlessRegisterView::setValue(id, value);
    }

private:
    void Watch()
    {
        if (eventsEnabled && *eventsEnabled) ++updatesWithEventsOn;
    }
};

// A program state on a headless view and a recording window, and files
// written into a directory of the test's own.
class LoadFixture : public ::testing::Test {
protected:
    LoadFixture() { view.eventsEnabled = &state.eventsEnabled; }

    std::string Write(const std::string& name, const std::string& text) const
    {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // Writes the description and loads `device` from it.
    void Load(const std::string& text, const std::string& device = {})
    {
        ParseFile(state, window, Write("description.xml", text), device);
    }
    // The one message a refused load shows; fails the test unless there is
    // exactly one.
    std::string OnlyMessage() const
    {
        EXPECT_EQ(dialogs.messages().size(), 1u);
        if (dialogs.messages().empty()) return {};
        const Message& message = dialogs.messages().front();
        EXPECT_EQ(message.title, "File Open Error");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        return message.text;
    }
    std::shared_ptr<Group> GroupNamed(const std::string& name) const { return state.allGroups.Item(name); }

    TempDir dir;
    EventsWatchingView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    RecordingDescriptionWindow window;
};

}  // namespace velk::test
