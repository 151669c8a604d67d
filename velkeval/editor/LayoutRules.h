#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "Group.h"

namespace velk {

// The register-layout rules the editors check: free bits, overlapping
// positions, the order of the field list, and the limits within which a
// saved layout still loads.

// True when the group's bytes hold more bits than its fields take (only the
// totals are compared, not which bits are taken).
bool HasFreeBits(const Group& group);

// True when a field of the group other than `self` lies in `byte` and its
// bits overlap lower..upper: the lower or the upper bit lies inside it, or
// its lowest bit lies between them.
bool PositionInUse(const Group& group, int16_t byte, int16_t lower, int16_t upper, const Field* self);

// A range of bits inside one byte, written upper bit first: 7 >= upper >= lower >= 0.
bool IsByteRange(int16_t upper, int16_t lower);

// Where an entry of sequence number `sequence` goes in a list kept in
// ascending order: before the first entry with a greater number, else at the
// end (equal numbers go after the existing ones).
int SortedPosition(const std::vector<int16_t>& sequences, int16_t sequence);

// The largest value of a range of bits upper..lower: 2 to the power of its
// width, minus 1; 0 for an empty or reversed range, 32767 from 15 bits on.
int16_t RangeMax(int16_t upper, int16_t lower);

// The sizes a group may take: enough bytes for its fields, at most the
// bytes whose band still fits the layout.
int16_t MinimumGroupSize(const Group& group);
int16_t MaximumGroupSize();

// True when every byte address of a group at `address` (hexadecimal text,
// 0 when it does not convert) with `size` bytes fits 16 bits.
bool AddressesFit(std::string_view address, int16_t size);

// True when the group's band, a row per field, has room for one more row
// within the 16-bit layout.
bool HasRowForNewField(const Group& group);

// A field's place and default value, as the loader packs them.
struct PackedField {
    int16_t byteIndex;
    int16_t bitIndex;
    int16_t value;
};

// True when the values, added into their register bytes bit position by bit
// position as the loader packs them, stay within 16 bits at every step.
bool ValuesPack(const std::vector<PackedField>& fields);

// The group's fields other than `self` with their default values.
std::vector<PackedField> DefaultValuesOf(const Group& group, const Field* self);

}  // namespace velk
