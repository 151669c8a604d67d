#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velk {

// Control type codes of ControlRecord.controlType.
struct ControlType {
    static constexpr int32_t TextBox = 0;
    static constexpr int32_t Combo = 1;
    static constexpr int32_t UpDown = 2;
    static constexpr int32_t Scrollbar = 3;
    static constexpr int32_t Display = 4;
    static constexpr int32_t Bit = 5;
    static constexpr int32_t RdOnlyBit = 6;
    static constexpr int32_t DummyBit = 7;
    static constexpr int32_t ValueBox = 8;
    static constexpr int32_t Label = 9;
    static constexpr int32_t Line = 10;
};

// Group control modes of Group.controlMode; any code other than Parallel
// and Series behaves as ReverseSeries.
struct ControlMode {
    static constexpr int32_t Parallel = 0;
    static constexpr int32_t Series = 1;
    static constexpr int32_t ReverseSeries = 2;
};

// The code for a type name of a device description, compared lower-cased;
// unknown names give Label.
int32_t ControlTypeFromName(std::string_view name);

// The name the program shows and writes for a code; empty for unknown codes.
std::string ControlTypeName(int32_t code);

}  // namespace velk
