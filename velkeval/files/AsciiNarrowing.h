#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace velk {

// Narrowing the parser's 16-bit text to bytes, for text that is nearly
// always short and ASCII (the names and values of a description).

// NarrowUnits' result has some of these bits set when a unit was not ASCII.
inline constexpr uint64_t kNotAscii = 0xFF80FF80FF80FF80ull;

namespace narrowing {

static_assert(std::endian::native == std::endian::little, "the packing reads the units' bytes in little-endian order");

// `Word` (2, 4 or 8 bytes) of 16-bit units from `in`, as one integer.
template <class Word>
Word LoadUnits(const char16_t* in)
{
    Word units;
    std::memcpy(&units, in, sizeof units);
    return units;
}

// The low byte of each of four units, in order.
inline uint32_t LowBytesOfFour(uint64_t units)
{
    const uint64_t low = units & 0x00FF00FF00FF00FFull;
    const uint64_t pairs = (low | (low >> 8)) & 0x0000FFFF0000FFFFull;
    return static_cast<uint32_t>(pairs | (pairs >> 16));
}

// NarrowUnits for eight units or more.
uint64_t NarrowLong(const char16_t* in, size_t length, char* out);

}  // namespace narrowing

// Writes the low byte of each of the `length` units at `in` to `out` and
// returns the units' bits ORed together: text beyond ASCII has a bit of
// kNotAscii set (and its bytes written are then of no use). Each length
// class takes one piece from the front and one from the back, overlapping
// in the middle, instead of a loop with a tail; texts under eight units are
// narrowed inline.
inline uint64_t NarrowUnits(const char16_t* in, size_t length, char* out)
{
    using namespace narrowing;
    if (length >= 8) return NarrowLong(in, length, out);
    if (length >= 4) {
        const auto front = LoadUnits<uint64_t>(in), back = LoadUnits<uint64_t>(in + length - 4);
        const uint32_t frontBytes = LowBytesOfFour(front), backBytes = LowBytesOfFour(back);
        std::memcpy(out, &frontBytes, sizeof frontBytes);
        std::memcpy(out + length - 4, &backBytes, sizeof backBytes);
        return front | back;
    }
    if (length >= 2) {
        const auto front = LoadUnits<uint32_t>(in), back = LoadUnits<uint32_t>(in + length - 2);
        out[0] = static_cast<char>(front);
        out[1] = static_cast<char>(front >> 16);
        out[length - 2] = static_cast<char>(back);
        out[length - 1] = static_cast<char>(back >> 16);
        return front | back;
    }
    if (length == 0) return 0;
    out[0] = static_cast<char>(in[0]);
    return in[0];
}

}  // namespace velk
