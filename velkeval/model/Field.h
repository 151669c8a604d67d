#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ControlRecCollection.h"

namespace velk {

class Group;

// A run of 1 to 8 adjacent bits inside one register byte of a group.
class Field {
public:
    bool inhouse = false;
    bool Reserved = false;
    bool italic = false;
    bool bold = false;
    int32_t fg = 0;
    int32_t bg = 0;
    int16_t defaultValue = 0;
    std::string fieldName;
    ControlRecCollection controls;
    int16_t sequence = 0;             // byteIndex * 10 + 7 - bitIndex
    std::weak_ptr<Group> parent;      // back reference: the group owns the field
    int16_t size = 0;                 // bits, 1..8
    int16_t bitIndex = 0;             // least significant bit inside the byte
    int16_t byteIndex = 0;            // register byte of the parent
    int16_t value = 0;

    // The owning group; an error when the field has none (or it is gone).
    std::shared_ptr<Group> ParentGroup() const;

    // The field's bits within its byte: bitIndex 2, size 3 gives 28. An
    // error when the field does not lie inside one byte.
    int16_t Mask() const;

    // Takes the value from the parent's register byte; true when it changed.
    bool ExtractValue();

    // The value a bit box of this field asks for when it is set to `entered`
    // (1 or 0) at bit `controlBitIndex` of the byte: the current value when the
    // byte's bit already has that state, else the value with that bit's weight
    // added or taken away.
    int16_t BitCandidate(int16_t controlBitIndex, int16_t entered) const;
};

// The position key of a field at byteIndex/bitIndex, and the childFields key
// that names it ("key" followed by the decimal sequence).
int16_t SequenceOf(int16_t byteIndex, int16_t bitIndex);
std::string SequenceKey(int16_t sequence);

}  // namespace velk
