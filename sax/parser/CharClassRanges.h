#pragma once

#include <span>

namespace sax {

// One inclusive range of 16-bit character values.
struct CharRange {
    char16_t first;
    char16_t last;
};

// The character classes of the XML 1.0 recommendation, Appendix B, as range
// lists in the order of the data file.
struct CharClassRanges {
    std::span<const CharRange> baseChar;
    std::span<const CharRange> ideographic;
    std::span<const CharRange> combiningChar;
    std::span<const CharRange> digit;
    std::span<const CharRange> extender;
};

// Generated at build time from xml-char-classes.txt.
const CharClassRanges& XmlCharClassRanges();

}  // namespace sax
