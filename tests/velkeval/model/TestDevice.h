#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ControlType.h"
#include "Field.h"
#include "Group.h"
#include "HeadlessRegisterView.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"

namespace velk::test {

// A program state on a headless view, and a device built into it the way
// the loader builds one: groups and fields registered, description controls
// created at their offsets, each group initialised when it is complete.
struct TestDevice {
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};

    TestDevice();

    std::shared_ptr<Group> AddGroup(const std::string& name, const std::string& address, int16_t size = 1,
                                    int32_t controlMode = ControlMode::Parallel, bool readonly = false);
    std::shared_ptr<Field> AddField(const std::shared_ptr<Group>& group, const std::string& name, int16_t byteIndex,
                                    int16_t bitIndex, int16_t size, int16_t value = 0);
    // A description control of the field or group, with its widget at (X, y).
    std::shared_ptr<ControlRecord> AddControl(Field& field, int32_t type, int16_t min, int16_t max,
                                              const std::string& radix = "dec");
    std::shared_ptr<ControlRecord> AddControl(Group& group, int32_t type, int16_t min, int16_t max,
                                              const std::string& radix = "dec");
    // Initialize(false), as the loader does when a group ends.
    void Load(Group& group) { group.Initialize(state, false); }

    // A loaded one-byte group at address with `fields` one-bit fields on
    // bits 7, 6, ... (so its band is 50 + 350 * fields high).
    std::shared_ptr<Group> LoadBitGroup(const std::string& name, const std::string& address, int fields);

    const HeadlessRegisterView::Widget& WidgetOf(const ControlRecord& record) const
    {
        return view.widget(velk::WidgetOf(record));
    }
};

// The generated records of type in controls, in order.
std::vector<std::shared_ptr<ControlRecord>> RecordsOfType(const ControlRecCollection& controls, int32_t type);

}  // namespace velk::test
