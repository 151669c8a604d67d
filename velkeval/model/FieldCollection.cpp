#include "FieldCollection.h"

#include "Field.h"
#include "Group.h"

namespace velk {

FieldCollection::FieldPtr FieldCollection::AddV(int16_t value, int16_t byteIndex, int16_t bitIndex, int16_t size,
                                                const std::shared_ptr<Group>& parent, int16_t sequence,
                                                std::string_view key)
{
    auto field = std::make_shared<Field>();
    field->value = value;
    field->byteIndex = byteIndex;
    field->bitIndex = bitIndex;
    field->size = size;
    field->parent = parent;
    field->sequence = sequence;
    return Add(field, key);
}

FieldCollection::FieldPtr FieldCollection::Add(FieldPtr field, std::string_view key)
{
    items_.Add(field, key);
    return field;
}

FieldCollection::FieldPtr FieldCollection::Item(int position) const
{
    const FieldPtr* field = items_.Find(position);
    return field ? *field : nullptr;
}

FieldCollection::FieldPtr FieldCollection::Item(std::string_view key) const
{
    const FieldPtr* field = items_.Find(key);
    return field ? *field : nullptr;
}

}  // namespace velk
