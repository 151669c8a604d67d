#include "Field.h"

#include "Conversions.h"
#include "Group.h"
#include "ModelError.h"
#include "NameRegistry.h"

namespace velk {

std::shared_ptr<Group> Field::ParentGroup() const
{
    std::shared_ptr<Group> group = parent.lock();
    if (!group) throw ModelError("Field \"" + fieldName + "\" belongs to no group");
    return group;
}

int16_t Field::Mask() const
{
    if (bitIndex < 0 || size < 1 || bitIndex + size > 8)
        throw ModelError("Field \"" + fieldName + "\" does not fit one byte (bit " + std::to_string(bitIndex) +
                         ", size " + std::to_string(size) + ")");
    return static_cast<int16_t>(((1 << size) - 1) << bitIndex);
}

bool Field::ExtractValue()
{
    const int16_t byte = ParentGroup()->GetValue(byteIndex);
    const int16_t extracted = static_cast<int16_t>((byte & Mask()) >> bitIndex);
    if (extracted == value) return false;
    value = extracted;
    return true;
}

int16_t Field::BitCandidate(int16_t controlBitIndex, int16_t entered) const
{
    const int16_t byte = ParentGroup()->GetValue(byteIndex);
    if (GetBit(byte, controlBitIndex) == entered) return value;
    const int k = controlBitIndex - bitIndex;
    if (k < 0 || k > 14) throw ModelError("Bit " + std::to_string(controlBitIndex) + " lies outside field \"" + fieldName + "\"");
    const long long weight = 1LL << k;
    return Checked16(value + weight * entered + weight * (entered - 1), "bit change");
}

int16_t SequenceOf(int16_t byteIndex, int16_t bitIndex)
{
    return Checked16(byteIndex * 10LL + 7 - bitIndex, "field sequence");
}

std::string Field::RegistryKey() const { return FieldRegistryKey(fieldName); }

std::string SequenceKey(int16_t sequence) { return "key" + std::to_string(sequence); }

}  // namespace velk
