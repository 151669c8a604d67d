#include "Guid.h"

#include <cstdio>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hexadecimal digits at `pos`, advancing it.
std::optional<uint32_t> ReadHex(std::string_view text, size_t& pos, int digits)
{
    uint32_t value = 0;
    for (int i = 0; i < digits; ++i, ++pos) {
        int d = pos < text.size() ? HexDigit(text[pos]) : -1;
        if (d < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(d);
    }
    return value;
}

bool Expect(std::string_view text, size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

}  // namespace

std::optional<GUID> ParseGuid(std::string_view text)
{
    GUID guid{};
    size_t pos = 0;
    if (!Expect(text, pos, '{')) return std::nullopt;
    auto d1 = ReadHex(text, pos, 8);
    if (!d1 || !Expect(text, pos, '-')) return std::nullopt;
    auto d2 = ReadHex(text, pos, 4);
    if (!d2 || !Expect(text, pos, '-')) return std::nullopt;
    auto d3 = ReadHex(text, pos, 4);
    if (!d3 || !Expect(text, pos, '-')) return std::nullopt;
    guid.Data1 = *d1;
    guid.Data2 = static_cast<uint16_t>(*d2);
    guid.Data3 = static_cast<uint16_t>(*d3);
    for (int i = 0; i < 8; ++i) {
        if (i == 2 && !Expect(text, pos, '-')) return std::nullopt;
        auto byte = ReadHex(text, pos, 2);
        if (!byte) return std::nullopt;
        guid.Data4[i] = static_cast<uint8_t>(*byte);
    }
    if (!Expect(text, pos, '}') || pos != text.size()) return std::nullopt;
    return guid;
}

std::string GuidToString(const GUID& g)
{
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
                  g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}
