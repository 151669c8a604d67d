#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ControlRecCollection.h"
#include "FieldCollection.h"

namespace velk {

class Field;

// What writing a group-level value back did to the register.
enum class GroupWriteResult {
    Unchanged,  // the register already held the value
    Changed,    // register bytes (or, in Parallel mode, the fields) moved
    Refused,    // the value cannot be held without corrupting a field or byte
};

// One chip register of one or more consecutive byte addresses.
class Group {
public:
    int16_t frame = 0;
    int16_t height = 0;
    int16_t y = 0;
    int16_t droppedLowBits = 0;
    bool readonly = false;
    std::string groupName;
    ControlRecCollection controls;
    FieldCollection childFields;
    int16_t size = 0;
    int32_t controlMode = 0;
    std::string address;

    // Register byte access; an index outside the allocated bytes is an error.
    int16_t GetValue(int16_t byteIndex) const;
    void SetValue(int16_t value, int16_t byteIndex);

    // Resizes the register bytes to `size`, keeping their contents.
    void ResizeRegisterBytes();

    // The field whose least significant bit is bit 7 - step of byte b, or none.
    std::shared_ptr<Field> fieldAt(int16_t byte, int16_t step) const;

    // Packs the field values into the register bytes by plain addition.
    void BuildValue();

    // The empty low bit positions the Series and Reverse Series values drop.
    int16_t CountDroppedLowBits() const;

    // The value group controls show: the smallest field value in Parallel
    // mode, else the register bytes read as one number (shifted right by
    // droppedLowBits), limited to the 16-bit range.
    int16_t GroupValue() const;

    // Writes a group-level value back by controlMode. Refused when the
    // register cannot hold it exactly (Series) or when a field would leave
    // its width (Parallel); the register is then untouched.
    GroupWriteResult WriteGroupValue(int16_t v);

    // A value box sets byte `byteIndex` from decimal text; text that is not a
    // number leaves the byte as it is, a number outside 0..255 is refused.
    GroupWriteResult SetValueBoxByte(int16_t byteIndex, const std::string& text);

    // The maximum of a group scroll bar in Parallel mode: the control's max
    // less the spread of the field values.
    int16_t ParallelScrollMax(const ControlRecord& record) const;

    // The bus address of byte i, and its text for the address label.
    int16_t ByteAddress(int16_t i) const;
    std::string ByteAddressLabel(int16_t i) const;

private:
    void RequireBytes() const;
    // Exponent of 2 applied to byte i in the Series and Reverse Series value.
    int ByteExponent(int i) const;
    double SeriesValue(const std::vector<int16_t>& bytes) const;
    GroupWriteResult WriteSeriesValue(int16_t v);
    GroupWriteResult WriteParallelValue(int16_t v);

    std::vector<int16_t> bytes_;
};

}  // namespace velk
