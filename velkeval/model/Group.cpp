#include "Group.h"

#include <algorithm>
#include <cmath>

#include "ControlType.h"
#include "Conversions.h"
#include "Field.h"
#include "ModelError.h"
#include "NameRegistry.h"
#include "Utilities.h"

namespace velk {

int16_t Group::GetValue(int16_t byteIndex) const
{
    if (byteIndex < 0 || static_cast<size_t>(byteIndex) >= bytes_.size())
        throw ModelError("Register \"" + groupName + "\" has no byte " + std::to_string(byteIndex));
    return bytes_[static_cast<size_t>(byteIndex)];
}

void Group::SetValue(int16_t value, int16_t byteIndex)
{
    GetValue(byteIndex);  // validates the index
    bytes_[static_cast<size_t>(byteIndex)] = value;
}

void Group::ResizeRegisterBytes()
{
    if (size < 0) throw ModelError("Register \"" + groupName + "\" has a negative size");
    bytes_.resize(static_cast<size_t>(size), 0);
}

void Group::RequireBytes() const
{
    if (bytes_.size() < static_cast<size_t>(std::max<int16_t>(size, 0)))
        throw ModelError("Register \"" + groupName + "\" has no register bytes allocated for its size " +
                         std::to_string(size));
}

std::shared_ptr<Field> Group::fieldAt(int16_t byte, int16_t step) const
{
    return childFields.Item(SequenceKey(Checked16(byte * 10LL + step, "field position")));
}

void Group::BuildValue()
{
    for (int16_t b = 0; b < size; ++b) {
        int16_t accumulated = 0;
        for (int16_t s = 0; s <= 7; ++s) {
            const std::shared_ptr<Field> field = fieldAt(b, s);
            accumulated = Checked16(accumulated * 2LL + (field ? field->value : 0), "BuildValue");
        }
        SetValue(accumulated, b);
    }
}

int16_t Group::NextDroppedLowBits(int16_t counter, int16_t byte, bool fieldStartsHere) const
{
    if (fieldStartsHere) return 0;
    if (controlMode == ControlMode::Series || byte == 0) return Checked16(counter + 1LL, "droppedLowBits");
    return counter;
}

int16_t Group::CountDroppedLowBits() const
{
    int16_t counter = 0;
    WalkBitPositions([&](int16_t b, const std::shared_ptr<Field>& field) {
        counter = NextDroppedLowBits(counter, b, field != nullptr);
    });
    return counter;
}

int Group::ByteExponent(int i) const
{
    const int position = controlMode == ControlMode::Series ? size - 1 - i : i;
    return 8 * position - droppedLowBits;
}

double Group::SeriesValue(const std::vector<int16_t>& bytes) const
{
    double sum = 0;
    for (size_t i = 0; i < bytes.size(); ++i) sum += std::ldexp(bytes[i], ByteExponent(static_cast<int>(i)));
    return sum;
}

int16_t Group::GroupValue() const
{
    if (controlMode == ControlMode::Parallel) return MinFieldValue(childFields);
    RequireBytes();
    double sum = SeriesValue(bytes_);
    if (std::isnan(sum)) sum = 0;
    sum = std::clamp(sum, static_cast<double>(INT16_MIN), static_cast<double>(INT16_MAX));
    return static_cast<int16_t>(RoundHalfEven(sum));
}

GroupWriteResult Group::WriteGroupValue(int16_t v)
{
    return controlMode == ControlMode::Parallel ? WriteParallelValue(v) : WriteSeriesValue(v);
}

GroupWriteResult Group::WriteSeriesValue(int16_t v)
{
    RequireBytes();
    std::vector<int16_t> written(bytes_.size());
    for (size_t i = 0; i < written.size(); ++i) {
        // Int(v / 2^e) AND 255, with Int rounding toward minus infinity.
        const int e = ByteExponent(static_cast<int>(i));
        long long shifted;
        if (e <= -8)
            shifted = 0;  // v's bits all land above this byte
        else if (e <= 0)
            shifted = static_cast<long long>(v) * (1LL << -e);
        else
            shifted = static_cast<long long>(v) >> std::min(e, 31);
        written[i] = static_cast<int16_t>(shifted & 255);
    }
    // A value the bytes cannot hold exactly (negative, or wider than the
    // register's bits) would be written cut short: refuse it. So only values
    // from 0 up reach the chip, and the rounding of Int() above only matters
    // for the refused ones.
    if (SeriesValue(written) != v) return GroupWriteResult::Refused;
    if (written == bytes_) return GroupWriteResult::Unchanged;
    bytes_ = std::move(written);
    return GroupWriteResult::Changed;
}

GroupWriteResult Group::WriteParallelValue(int16_t v)
{
    const int16_t m = MinFieldValue(childFields);
    if (v == m) return GroupWriteResult::Unchanged;
    const int d = v - m;
    // Every field must stay within its width, so that packing never carries
    // into a neighbouring field and no byte leaves 0..255.
    for (const auto& field : childFields) {
        const int widthMax = field->Mask() >> field->bitIndex;
        if (field->value + d < 0 || field->value + d > widthMax) return GroupWriteResult::Refused;
    }
    for (const auto& field : childFields) field->value = static_cast<int16_t>(field->value + d);
    try {
        BuildValue();
    } catch (...) {
        for (const auto& field : childFields) field->value = static_cast<int16_t>(field->value - d);
        throw;
    }
    for (const auto& field : childFields) field->value = static_cast<int16_t>(field->value - d);
    return GroupWriteResult::Changed;
}

GroupWriteResult Group::SetValueBoxByte(int16_t byteIndex, const std::string& text)
{
    const int16_t current = GetValue(byteIndex);
    const int16_t entered = TextToInt(text, current, "dec");
    if (entered < 0 || entered > 255) return GroupWriteResult::Refused;
    if (entered == current) return GroupWriteResult::Unchanged;
    SetValue(entered, byteIndex);
    return GroupWriteResult::Changed;
}

int16_t Group::ParallelScrollMax(const ControlRecord& record) const
{
    const long long spread = static_cast<long long>(MaxFieldValue(childFields)) - MinFieldValue(childFields);
    return Checked16(record.max - spread, "scroll bar maximum");
}

int16_t Group::ByteAddress(int16_t i) const
{
    return Checked16(static_cast<long long>(TextToInt(address, 0, "hex")) + i, "register address");
}

std::string Group::ByteAddressLabel(int16_t i) const { return AddressHex(ByteAddress(i)); }

std::string Group::RegistryKey() const { return GroupRegistryKey(groupName); }

}  // namespace velk
