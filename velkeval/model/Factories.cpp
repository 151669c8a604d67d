#include "Factories.h"

#include <string>

#include "ControlType.h"
#include "Utilities.h"

namespace velk {
namespace {

// "NewGroup0", "NewGroup1", ...: the first name whose registry key is free.
std::string FirstFreeName(const NameRegistry& nameRegistry, const std::string& keyPrefix, const std::string& base)
{
    for (long i = 0;; ++i)
        if (!NameInUse(nameRegistry, keyPrefix + base + std::to_string(i))) return base + std::to_string(i);
}

}  // namespace

std::shared_ptr<Group> NewGroup(const ProgramState& state)
{
    auto group = std::make_shared<Group>();
    group->groupName = FirstFreeName(state.nameRegistry, "group", "NewGroup");
    group->size = 1;
    group->address = NextFreeAddress(state.allGroups);
    group->controlMode = ControlMode::Parallel;
    group->readonly = false;
    return group;
}

std::shared_ptr<Field> NewField(const ProgramState& state)
{
    auto field = std::make_shared<Field>();
    field->fieldName = FirstFreeName(state.nameRegistry, "field", "NewField");
    field->bitIndex = 0;
    field->size = 8;
    field->byteIndex = 0;
    field->defaultValue = 0;
    if (state.currentGroup) field->parent = state.currentGroup;
    return field;
}

std::shared_ptr<ControlRecord> NewControlRecord(bool isGroup)
{
    auto record = std::make_shared<ControlRecord>();
    record->bold = false;
    record->caption.clear();
    record->colorsSet = false;
    record->controlType = ControlType::TextBox;
    record->height = 300;
    record->width = 1000;
    record->isGroup = isGroup;
    record->isUserControl = true;
    record->italic = false;
    record->justify = 0;
    record->max = 1;
    record->min = 0;
    record->radix = "dec";
    record->tooltip.clear();
    record->X = 100;
    record->y = 50;
    return record;
}

}  // namespace velk
