#include "LayoutRules.h"

#include <algorithm>
#include <map>

#include "BandControls.h"
#include "Conversions.h"
#include "Field.h"

namespace velk {

bool HasFreeBits(const Group& group)
{
    long bits = group.size * 8L;
    for (const auto& field : group.childFields) bits -= field->size;
    return bits >= 1;
}

bool PositionInUse(const Group& group, int16_t byte, int16_t lower, int16_t upper, const Field* self)
{
    const auto inside = [](int bit, int low, int high) { return bit >= low && bit <= high; };
    for (const auto& field : group.childFields) {
        if (field.get() == self || field->byteIndex != byte) continue;
        const int low = field->bitIndex;
        const int high = field->bitIndex + field->size - 1;
        if (inside(lower, low, high) || inside(upper, low, high) || inside(low, lower, upper)) return true;
    }
    return false;
}

bool IsByteRange(int16_t upper, int16_t lower) { return lower >= 0 && upper >= lower && upper <= 7; }

int SortedPosition(const std::vector<int16_t>& sequences, int16_t sequence)
{
    const auto after = std::upper_bound(sequences.begin(), sequences.end(), sequence);
    return static_cast<int>(after - sequences.begin());
}

int16_t RangeMax(int16_t upper, int16_t lower)
{
    const int width = upper - lower + 1;
    if (width < 1) return 0;
    if (width >= 15) return INT16_MAX;
    return static_cast<int16_t>((1 << width) - 1);
}

int16_t MinimumGroupSize(const Group& group)
{
    int16_t size = 1;
    for (const auto& field : group.childFields) size = std::max<int16_t>(size, static_cast<int16_t>(field->byteIndex + 1));
    return size;
}

int16_t MaximumGroupSize() { return Band::MaxGroupBytes; }

bool AddressesFit(std::string_view address, int16_t size)
{
    return TextToInt(address, 0, "hex") + static_cast<long>(size) - 1 <= INT16_MAX;
}

bool HasRowForNewField(const Group& group)
{
    return (group.childFields.count() + 1L) * Band::RowHeight + Band::TopMargin <= INT16_MAX;
}

bool ValuesPack(const std::vector<PackedField>& fields)
{
    // byte -> value added at each least significant bit.
    std::map<int16_t, std::map<int16_t, long>> bytes;
    for (const PackedField& field : fields) bytes[field.byteIndex][field.bitIndex] += field.value;
    for (const auto& [byte, atBit] : bytes) {
        long accumulated = 0;
        for (int bit = 7; bit >= 0; --bit) {
            const auto it = atBit.find(static_cast<int16_t>(bit));
            accumulated = accumulated * 2 + (it == atBit.end() ? 0 : it->second);
            if (accumulated < INT16_MIN || accumulated > INT16_MAX) return false;
        }
    }
    return true;
}

std::vector<PackedField> DefaultValuesOf(const Group& group, const Field* self)
{
    std::vector<PackedField> fields;
    for (const auto& field : group.childFields)
        if (field.get() != self) fields.push_back({field->byteIndex, field->bitIndex, field->defaultValue});
    return fields;
}

}  // namespace velk
