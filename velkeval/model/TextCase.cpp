#include "TextCase.h"

namespace velk {
namespace {

char32_t LowerCodePoint(char32_t c)
{
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;  // Latin-1 capitals, not the multiplication sign
    if (c >= 0x100 && c <= 0x17F) {                   // Latin Extended-A: capital/small pairs
        if (c == 0x178) return 0xFF;
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        const bool evenPairs = (c < 0x138) || (c >= 0x14A && c <= 0x177);
        const bool isCapital = evenPairs ? (c % 2 == 0) : (c % 2 == 1);
        return isCapital ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek capitals
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 0x25;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 0x3F;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // Cyrillic capitals
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

// Length of the UTF-8 sequence starting at text[i] and its code point, or 0
// when the bytes there are not a well-formed sequence.
size_t DecodeUtf8(std::string_view text, size_t i, char32_t& cp)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length;
    if (lead < 0x80) { cp = lead; return 1; }
    if ((lead & 0xE0) == 0xC0) { length = 2; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; cp = lead & 0x07; }
    else return 0;
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    return length;
}

// Every code point LowerCodePoint changes maps below 0x800: one or two bytes.
void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

}  // namespace

std::string LowerCase(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const size_t length = DecodeUtf8(text, i, cp);
        if (length == 0) {  // malformed byte: keep it
            out += text[i++];
            continue;
        }
        const char32_t lower = LowerCodePoint(cp);
        if (lower == cp)
            out.append(text.substr(i, length));
        else
            AppendUtf8(out, lower);
        i += length;
    }
    return out;
}

}  // namespace velk
