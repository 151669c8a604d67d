#pragma once

#include <cstdint>

namespace portio {

// The VCD identifiers of the recorder's variables. Every port operation
// takes one microsecond and always dumps port, value and write, so a reader
// gets every operation back, repeated ones included; the register and line
// variables change only when their level does.
namespace trace {
inline constexpr char Port = 'p';
inline constexpr char Value = 'v';
inline constexpr char Write = 'w';
inline constexpr char Scl = 'C';
inline constexpr char Sda = 'D';
}  // namespace trace

// One recorded port operation.
struct PortOperation {
    uint16_t port = 0;
    uint8_t value = 0;
    bool write = false;
    bool operator==(const PortOperation&) const = default;
};

}  // namespace portio
