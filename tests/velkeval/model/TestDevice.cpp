#include "TestDevice.h"

#include "Factories.h"
#include "NameRegistry.h"
#include "WidgetRoutines.h"

namespace velk::test {

TestDevice::TestDevice()
{
    state.currentDevice = std::make_shared<DeviceRecord>(DeviceRecord{"Chip A", "10011000", "1001xxx0"});
    state.eventsEnabled = true;
}

std::shared_ptr<Group> TestDevice::AddGroup(const std::string& name, const std::string& address, int16_t size,
                                            int32_t controlMode, bool readonly)
{
    auto group = NewGroup(state);
    group->groupName = name;
    group->address = address;
    group->size = size;
    group->controlMode = controlMode;
    group->readonly = readonly;
    state.allGroups.Add(group, name);
    state.nameRegistry.Add(group, group->RegistryKey());
    return group;
}

std::shared_ptr<Field> TestDevice::AddField(const std::shared_ptr<Group>& group, const std::string& name,
                                            int16_t byteIndex, int16_t bitIndex, int16_t size, int16_t value)
{
    const int16_t sequence = SequenceOf(byteIndex, bitIndex);
    auto field = group->childFields.AddV(value, byteIndex, bitIndex, size, group, sequence, SequenceKey(sequence));
    field->fieldName = name;
    state.nameRegistry.Add(field, field->RegistryKey());
    return field;
}

namespace {

std::shared_ptr<ControlRecord> DescriptionControl(RegisterView& view, ControlRecCollection& controls, bool isGroup,
                                                  const std::string& key, int32_t type, int16_t min, int16_t max,
                                                  const std::string& radix)
{
    auto record = NewControlRecord(isGroup);
    record->controlType = type;
    record->min = min;
    record->max = max;
    record->radix = radix;
    CreateControlView(view, *record, key, -1);
    return controls.Add(record);
}

}  // namespace

std::shared_ptr<ControlRecord> TestDevice::AddControl(Field& field, int32_t type, int16_t min, int16_t max,
                                                      const std::string& radix)
{
    return DescriptionControl(view, field.controls, false, field.RegistryKey(), type, min, max, radix);
}

std::shared_ptr<ControlRecord> TestDevice::AddControl(Group& group, int32_t type, int16_t min, int16_t max,
                                                      const std::string& radix)
{
    return DescriptionControl(view, group.controls, true, group.RegistryKey(), type, min, max, radix);
}

std::shared_ptr<Group> TestDevice::LoadBitGroup(const std::string& name, const std::string& address, int fields)
{
    auto group = AddGroup(name, address);
    for (int f = 0; f < fields; ++f)
        AddField(group, name + "_bit" + std::to_string(7 - f), 0, static_cast<int16_t>(7 - f), 1);
    Load(*group);
    return group;
}

std::vector<std::shared_ptr<ControlRecord>> RecordsOfType(const ControlRecCollection& controls, int32_t type)
{
    std::vector<std::shared_ptr<ControlRecord>> found;
    for (const auto& record : controls)
        if (record->controlType == type) found.push_back(record);
    return found;
}

}  // namespace velk::test
