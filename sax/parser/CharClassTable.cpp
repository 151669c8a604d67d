#include "CharClassTable.h"

#include "CharClassRanges.h"

namespace sax {
namespace {

constexpr CharRange kCharRanges[] = {{0x9, 0x9}, {0xA, 0xA}, {0xD, 0xD}, {0x20, 0xD7FF}, {0xE000, 0xFFFD}};

void Mark(std::array<uint8_t, 0x10000>& flags, std::span<const CharRange> ranges, uint8_t flag)
{
    for (const CharRange& range : ranges)
        for (uint32_t c = range.first; c <= range.last; ++c) flags[c] |= flag;
}

}  // namespace

CharClassTable::CharClassTable()
{
    // Derived while marking: NameChar = Letter | Digit | "." | "-" | "_" | ":" |
    // CombiningChar | Extender; a name starts with a Letter, "_" or ":".
    const CharClassRanges& ranges = XmlCharClassRanges();
    Mark(flags_, kCharRanges, kChar);
    Mark(flags_, ranges.baseChar, kBaseChar | kNameChar | kNameStart);
    Mark(flags_, ranges.ideographic, kIdeographic | kNameChar | kNameStart);
    Mark(flags_, ranges.combiningChar, kCombiningChar | kNameChar);
    Mark(flags_, ranges.digit, kDigit | kNameChar);
    Mark(flags_, ranges.extender, kExtender | kNameChar);
    for (char16_t c : {u'.', u'-', u'_', u':'}) flags_[c] |= kNameChar;
    for (char16_t c : {u'_', u':'}) flags_[c] |= kNameStart;
}

}  // namespace sax
