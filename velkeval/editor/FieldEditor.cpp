#include "FieldEditor.h"

#include "BandControls.h"
#include "ControlEditor.h"
#include "Conversions.h"
#include "DefaultColours.h"
#include "EditorMessages.h"
#include "Factories.h"
#include "LayoutRules.h"

namespace velk {
namespace {

int16_t Decimal(const std::string& text) { return TextToInt(text, 0, "dec"); }

bool HasUserControls(const Field& field)
{
    for (const auto& control : field.controls)
        if (control->isUserControl) return true;
    return false;
}

}  // namespace

FieldEditor::FieldEditor(const Field& field, const Group& group)
    : name(field.fieldName),
      byteEntry(field.byteIndex),
      upperText(std::to_string(field.bitIndex + field.size - 1)),
      lowerText(std::to_string(field.bitIndex)),
      defaultText(std::to_string(field.defaultValue)),
      fg(field.fg == field.bg ? DefaultColour::ButtonText : field.fg),
      bg(field.fg == field.bg ? DefaultColour::ButtonFace : field.bg),
      bold(field.bold),
      italic(field.italic),
      inhouse(field.inhouse),
      reserved(field.Reserved)
{
    for (int i = 0; i < group.size; ++i) byteEntries.push_back(std::to_string(i));
}

int16_t FieldEditor::upper() const { return Decimal(upperText); }
int16_t FieldEditor::lower() const { return Decimal(lowerText); }

int16_t FieldEditor::defaultValue() const
{
    return TextToInt(defaultText, 0, RadixEntries[static_cast<size_t>(radixEntry)].substr(0, 3));
}

std::shared_ptr<ControlRecord> FieldEditor::NewControl(const Group& group) const
{
    auto record = NewControlRecord(false);
    const int16_t sequence = SequenceOf(byte(), lower());
    int row = 0;
    for (const auto& other : group.childFields)
        if (other->sequence < sequence) ++row;
    record->y = static_cast<int16_t>(Band::RowHeight * row + Band::TopMargin);
    record->max = RangeMax(upper(), lower());
    return record;
}

std::optional<FieldEditor::Item> FieldEditor::Ok(UserDialogs& dialogs, const NameRegistry& registry, Field& field,
                                                 const Group& group) const
{
    if (auto problem = Problem(registry, field, group)) {
        dialogs.ShowMessage(problem->first);
        return problem->second;
    }
    WriteBack(field);
    return std::nullopt;
}

std::optional<std::pair<Message, FieldEditor::Item>> FieldEditor::Problem(const NameRegistry& registry,
                                                                         const Field& field, const Group& group) const
{
    const RegisteredObject* holder = registry.Find(FieldRegistryKey(name));
    const auto* heldField = holder ? std::get_if<std::shared_ptr<Field>>(holder) : nullptr;
    if (holder && !(heldField && heldField->get() == &field)) return std::pair{FieldNameInUseMessage(), Item::Name};
    if (!IsByteRange(upper(), lower())) return std::pair{FieldRangeMessage(), Item::Upper};
    if (PositionInUse(group, byte(), lower(), upper(), &field))
        return std::pair{FieldPositionInUseMessage(), Item::Upper};
    std::vector<PackedField> packed = DefaultValuesOf(group, &field);
    packed.push_back({byte(), lower(), defaultValue()});
    if (!ValuesPack(packed)) return std::pair{DefaultValueMessage(), Item::DefaultValue};
    if ((reserved || inhouse) && HasUserControls(field)) return std::pair{ReservedFieldControlsMessage(), Item::Controls};
    return std::nullopt;
}

void FieldEditor::WriteBack(Field& field) const
{
    field.fieldName = name;
    field.byteIndex = byte();
    field.bitIndex = lower();
    field.size = static_cast<int16_t>(upper() - lower() + 1);
    field.defaultValue = defaultValue();
    field.bg = bg;
    field.fg = fg;
    field.bold = bold;
    field.italic = italic;
    field.inhouse = inhouse;
    field.Reserved = reserved || inhouse;
    field.sequence = SequenceOf(field.byteIndex, field.bitIndex);
}

bool MayCloseFieldEditor(UserDialogs& dialogs, const Field& field)
{
    if (!(field.Reserved || field.inhouse) || !HasUserControls(field)) return true;
    dialogs.ShowMessage(ReservedFieldControlsMessage());
    return false;
}

}  // namespace velk
