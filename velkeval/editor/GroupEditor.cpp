#include "GroupEditor.h"

#include <algorithm>

#include "BandControls.h"
#include "Conversions.h"
#include "EditorMessages.h"
#include "Factories.h"
#include "LayoutRules.h"
#include "TextCase.h"

namespace velk {

GroupEditor::GroupEditor(ProgramState& state, std::shared_ptr<Group> group)
    : name(group->groupName),
      address(group->address),
      readonly(group->readonly),
      controlModeEntry(std::clamp<int32_t>(group->controlMode, 0, 2)),
      state_(state),
      group_(std::move(group)),
      controls_(state, group_->controls)
{
    for (const auto& field : group_->childFields) ListField(*field);
}

int16_t GroupEditor::minimumSize() const { return MinimumGroupSize(*group_); }
int16_t GroupEditor::maximumSize() const { return MaximumGroupSize(); }

void GroupEditor::TypeSize(std::string_view text)
{
    group_->size = std::clamp(TextToInt(text, 1, "dec"), minimumSize(), maximumSize());
}

std::shared_ptr<Field> GroupEditor::BeginNewField()
{
    if (!HasFreeBits(*group_)) {
        state_.dialogs.ShowMessage(NoFreeBitsMessage());
        return nullptr;
    }
    if (!HasRowForNewField(*group_)) {
        state_.dialogs.ShowMessage(NoRowForNewFieldMessage());
        return nullptr;
    }
    state_.currentGroup = group_;
    state_.currentField = NewField(state_);
    if (group_->height == 0) group_->height = Band::TopMargin;
    group_->height = static_cast<int16_t>(group_->height + Band::RowHeight);
    return state_.currentField;
}

void GroupEditor::EndNewField(bool accepted)
{
    if (accepted) Enter(state_.currentField);
    else group_->height = static_cast<int16_t>(group_->height - Band::RowHeight);
    state_.currentField = nullptr;
}

std::shared_ptr<Field> GroupEditor::BeginEditField(int i)
{
    if (i < 0 || i >= static_cast<int>(fields_.size())) return nullptr;
    const RegisteredObject* found = state_.nameRegistry.Find(FieldRegistryKey(fields_[static_cast<size_t>(i)].name));
    const auto* field = found ? std::get_if<std::shared_ptr<Field>>(found) : nullptr;
    if (!field) return nullptr;
    state_.currentField = *field;
    TakeOut(i);
    group_->height = static_cast<int16_t>(group_->height + Band::RowHeight);
    state_.currentGroup = group_;
    return state_.currentField;
}

void GroupEditor::EndEditField()
{
    Enter(state_.currentField);
    state_.currentField = nullptr;
}

void GroupEditor::DeleteField(int i)
{
    if (i >= 0 && i < static_cast<int>(fields_.size())) TakeOut(i);
}

void GroupEditor::TakeOut(int i)
{
    const std::string taken = fields_[static_cast<size_t>(i)].name;
    group_->height = static_cast<int16_t>(group_->height - Band::RowHeight);
    const std::string key = FieldRegistryKey(taken);
    if (state_.nameRegistry.Contains(key)) state_.nameRegistry.Remove(key);
    for (int position = group_->childFields.count(); position >= 1; --position)
        if (group_->childFields.Item(position)->fieldName == taken) group_->childFields.Remove(position);
    fields_.erase(fields_.begin() + i);
}

void GroupEditor::Enter(const std::shared_ptr<Field>& field)
{
    field->parent = group_;
    field->sequence = SequenceOf(field->byteIndex, field->bitIndex);
    state_.nameRegistry.Add(field, field->RegistryKey());
    group_->childFields.Add(field, SequenceKey(field->sequence));
    ListField(*field);
}

void GroupEditor::ListField(const Field& field)
{
    std::vector<int16_t> sequences;
    for (const FieldListEntry& entry : fields_) sequences.push_back(entry.sequence);
    fields_.insert(fields_.begin() + SortedPosition(sequences, field.sequence), {field.fieldName, field.sequence});
}

std::shared_ptr<ControlRecord> GroupEditor::BeginNewControl()
{
    state_.currentGroup = group_;
    return controls_.BeginNew(NewControlRecord(true));
}

bool GroupEditor::FieldsLoad() const
{
    if (fields_.empty()) {
        state_.dialogs.ShowMessage(NoFieldsMessage());
        return false;
    }
    // The loader drops a group all of whose fields are in-house.
    const bool shown = std::any_of(group_->childFields.begin(), group_->childFields.end(),
                                   [](const auto& field) { return !field->inhouse; });
    if (!shown) state_.dialogs.ShowMessage(OnlyInHouseFieldsMessage());
    return shown;
}

bool GroupEditor::NameInUse() const
{
    // Names equal once blanks are removed share a registry key, which the
    // loader refuses; equal names are a special case of that.
    const std::string key = LowerCase(GroupRegistryKey(name));
    return std::any_of(state_.allGroups.begin(), state_.allGroups.end(), [&](const auto& other) {
        return other != group_ && LowerCase(other->RegistryKey()) == key;
    });
}

std::optional<GroupEditor::Item> GroupEditor::Ok()
{
    if (!FieldsLoad()) return Item::None;
    if (NameInUse()) {
        state_.dialogs.ShowMessage(GroupNameInUseMessage());
        return Item::Name;
    }
    if (!AddressesFit(address, group_->size)) {
        state_.dialogs.ShowMessage(GroupAddressMessage());
        return Item::Address;
    }
    group_->groupName = name;
    group_->address = address;
    group_->readonly = readonly;
    group_->controlMode = controlModeEntry;
    return std::nullopt;
}

bool GroupEditor::MayClose() const
{
    if (!FieldsLoad()) return false;
    // The size changed at once; the stored address must still hold it.
    if (AddressesFit(group_->address, group_->size)) return true;
    state_.dialogs.ShowMessage(GroupAddressMessage());
    return false;
}

}  // namespace velk
