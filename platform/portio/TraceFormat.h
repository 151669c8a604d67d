#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace portio {

// The wires of a port trace. Every variable is a 1-bit wire, because
// sigrok's and PulseView's VCD input read no vectors; the registers and the
// operation appear bit by bit, most significant first (port15 .. port0).
// Every port operation takes one microsecond and always dumps its write
// bit, so a reader gets every operation back, repeated ones included; a time
// without it (the end of the trace) is no operation.
namespace trace {

struct Group {
    const char* name;
    int width;
};

enum GroupIndex : size_t { Scl, Sda, Write, Port, Value, Data, Status, Control, GroupCount };

inline constexpr std::array<Group, GroupCount> Groups{{
    {"SCL", 1}, {"SDA", 1}, {"write", 1}, {"port", 16}, {"value", 8}, {"data", 8}, {"status", 8}, {"control", 8}}};

inline constexpr size_t WireCount = 51;

// The VCD identifier of bit `bit` of a group: one printable character.
constexpr char WireId(size_t group, int bit)
{
    int first = 0;
    for (size_t g = 0; g < group; ++g) first += Groups[g].width;
    return static_cast<char>('!' + first + Groups[group].width - 1 - bit);
}

}  // namespace trace

// One recorded port operation.
struct PortOperation {
    uint16_t port = 0;
    uint8_t value = 0;
    bool write = false;
    bool operator==(const PortOperation&) const = default;
};

}  // namespace portio
