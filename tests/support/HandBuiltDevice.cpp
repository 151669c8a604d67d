#include "HandBuiltDevice.h"

#include "Factories.h"
#include "Field.h"
#include "NameRegistry.h"
#include "WidgetRoutines.h"

using namespace velk;

namespace {

std::shared_ptr<ControlRecord> MakeControl(RegisterView& view, const ControlSpec& spec, bool isGroup,
                                           const std::string& key)
{
    auto record = NewControlRecord(isGroup);
    record->controlType = spec.controlType;
    record->min = spec.min;
    record->max = spec.max;
    record->radix = spec.radix;
    record->X = spec.X;
    record->y = spec.y;
    record->width = spec.width;
    record->height = spec.height;
    for (size_t i = 0; i < spec.items.size(); ++i) record->setIndexValue(static_cast<int16_t>(i), spec.items[i]);
    CreateControlView(view, *record, key, -1);
    return record;
}

}  // namespace

ControlSpec Described(int32_t controlType, int16_t min, int16_t max, int16_t X, int16_t y, int16_t width,
                      std::vector<std::string> items)
{
    ControlSpec spec;
    spec.controlType = controlType;
    spec.min = min;
    spec.max = max;
    spec.X = X;
    spec.y = y;
    spec.width = width;
    spec.items = std::move(items);
    return spec;
}

void SetDevice(ProgramState& state, const std::string& name, const std::string& currAddress,
               const std::string& pattern)
{
    state.currentDevice = std::make_shared<DeviceRecord>();
    state.currentDevice->devName = name;
    state.currentDevice->currAddress = currAddress;
    state.currentDevice->address = pattern;
}

std::shared_ptr<Group> AddGroup(ProgramState& state, const GroupSpec& spec)
{
    auto group = std::make_shared<Group>();
    group->groupName = spec.name;
    group->address = spec.address;
    group->size = spec.size;
    group->controlMode = spec.controlMode;
    group->readonly = spec.readonly;
    state.allGroups.Add(group, spec.name);
    state.nameRegistry.Add(group, group->RegistryKey());
    for (const FieldSpec& fieldSpec : spec.fields) {
        auto field = std::make_shared<Field>();
        field->fieldName = fieldSpec.name;
        field->byteIndex = fieldSpec.byteIndex;
        field->bitIndex = fieldSpec.bitIndex;
        field->size = fieldSpec.size;
        field->Reserved = fieldSpec.reserved;
        field->sequence = SequenceOf(fieldSpec.byteIndex, fieldSpec.bitIndex);
        field->parent = group;
        group->childFields.Add(field, SequenceKey(field->sequence));
        state.nameRegistry.Add(field, field->RegistryKey());
        for (const ControlSpec& control : fieldSpec.controls)
            field->controls.Add(MakeControl(state.view, control, false, field->RegistryKey()));
    }
    for (const ControlSpec& control : spec.controls)
        group->controls.Add(MakeControl(state.view, control, true, group->RegistryKey()));
    group->Initialize(state, false);
    return group;
}
