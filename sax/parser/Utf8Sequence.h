#pragma once

namespace sax {

// The 16-bit character of a UTF-8 sequence of two bytes (lead below 0xE0)
// or three (lead below 0xF0). Continuation bytes are not checked.
constexpr int Utf8Pair(int b0, int b1) { return ((b0 & 0x1F) << 6) | (b1 & 0x3F); }
constexpr int Utf8Triple(int b0, int b1, int b2) { return ((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F); }

}  // namespace sax
