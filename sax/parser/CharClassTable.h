#pragma once

#include <array>
#include <cstdint>

namespace sax {

// One flag byte for each 16-bit character value, built from the XML 1.0
// character-class range lists. U+FFFF carries no flag.
class CharClassTable {
public:
    static constexpr uint8_t kBaseChar = 0x01;
    static constexpr uint8_t kIdeographic = 0x02;
    static constexpr uint8_t kCombiningChar = 0x04;
    static constexpr uint8_t kDigit = 0x08;
    static constexpr uint8_t kExtender = 0x10;
    static constexpr uint8_t kChar = 0x20;
    // Not a class of its own: the characters a name may contain, and those it may start with.
    static constexpr uint8_t kNameChar = 0x40;
    static constexpr uint8_t kNameStart = 0x80;

    CharClassTable();

    uint8_t flags(char16_t c) const { return flags_[c]; }
    bool isChar(char16_t c) const { return flags_[c] & kChar; }
    bool isLetter(char16_t c) const { return flags_[c] & (kBaseChar | kIdeographic); }
    bool isDigit(char16_t c) const { return flags_[c] & kDigit; }
    bool isNameChar(char16_t c) const { return flags_[c] & kNameChar; }
    bool isNameStart(char16_t c) const { return flags_[c] & kNameStart; }

private:
    std::array<uint8_t, 0x10000> flags_{};
};

}  // namespace sax
