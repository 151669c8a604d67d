#include "HandBuiltDevice.h"

#include "Factories.h"
#include "Field.h"
#include "NameRegistry.h"
#include "WidgetRoutines.h"

using namespace velk;

namespace {

std::shared_ptr<ControlRecord> MakeControl(RegisterView& view, const ControlSpec& plan, bool isGroup,
                                           const std::string& key)
{
    auto record = NewControlRecord(isGroup);
    record->controlType = plan.controlType;
    record->min = plan.min;
    record->max = plan.max;
    record->radix = plan.radix;
    record->X = plan.X;
    record->y = plan.y;
    record->width = plan.width;
    record->height = plan.height;
    for (size_t i = 0; i < plan.items.size(); ++i) record->setIndexValue(static_cast<int16_t>(i), plan.items[i]);
    CreateControlView(view, *record, key, -1);
    return record;
}

}  // namespace

ControlSpec Described(int32_t controlType, int16_t min, int16_t max, int16_t X, int16_t y, int16_t width,
                      std::vector<std::string> items)
{
    ControlSpec plan;
    plan.controlType = controlType;
    plan.min = min;
    plan.max = max;
    plan.X = X;
    plan.y = y;
    plan.width = width;
    plan.items = std::move(items);
    return plan;
}

void SetDevice(ProgramState& state, const std::string& name, const std::string& currAddress,
               const std::string& pattern)
{
    state.currentDevice = std::make_shared<DeviceRecord>();
    state.currentDevice->devName = name;
    state.currentDevice->currAddress = currAddress;
    state.currentDevice->address = pattern;
}

std::shared_ptr<Group> AddGroup(ProgramState& state, const GroupSpec& plan)
{
    auto group = std::make_shared<Group>();
    group->groupName = plan.name;
    group->address = plan.address;
    group->size = plan.size;
    group->controlMode = plan.controlMode;
    group->readonly = plan.readonly;
    state.allGroups.Add(group, plan.name);
    state.nameRegistry.Add(group, group->RegistryKey());
    for (const FieldSpec& fieldSpec : plan.fields) {
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
    for (const ControlSpec& control : plan.controls)
        group->controls.Add(MakeControl(state.view, control, true, group->RegistryKey()));
    group->Initialize(state, false);
    return group;
}
