#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "ByteSource.h"
#include "Utf8Sequence.h"

namespace sax {

// Turns the source's bytes into 16-bit characters one at a time, folds CR and
// CR LF into LF, keeps line and column, and lets the scanner put a few
// characters back.
class InputDecoder {
public:
    static constexpr int kEnd = -1;  // returned by next() once the input is used up
    enum class Encoding { Utf8, SingleByte, Utf16LittleEndian, Utf16BigEndian };

    // Reads the first chunk and applies the byte-order-mark test. Byte input
    // starts as UTF-8, 16-bit input as 16-bit units low byte first.
    InputDecoder(ByteSource& source, bool sixteenBitInput);

    bool byteOrderMarkFound() const { return byteOrderMark_; }
    bool sixteenBit() const { return encoding_ == Encoding::Utf16LittleEndian || encoding_ == Encoding::Utf16BigEndian; }
    // One byte per character from here on (only meaningful for byte input).
    void useSingleByte();

    // The next character (0..0xFFFF) or kEnd.
    int next()
    {
        if (pos_ < fastEnd_) {
            const unsigned char b = *pos_;
            if (b < 0x80 && b != '\r') {
                ++pos_;
                advance(b);
                return b;
            }
        }
        return nextSlow();
    }

    // A set of byte values; one table lookup per byte.
    using ByteSet = std::array<bool, 256>;

    // ASCII bytes for which accept[byte] is set: the longest run of at most
    // maxLength of them, taken straight from the chunk. Empty whenever
    // characters were put back or the input is 16-bit; callers then go on
    // with next(). accept must admit no byte above 0x7F, nor CR or LF.
    std::string_view takeAsciiRun(const ByteSet& accept, size_t maxLength = SIZE_MAX)
    {
        const unsigned char* p = pos_;
        const unsigned char* end = fastEnd_ && size_t(fastEnd_ - p) > maxLength ? p + maxLength : fastEnd_;
        while (p < end && accept[*p]) ++p;
        const std::string_view run(reinterpret_cast<const char*>(pos_), static_cast<size_t>(p - pos_));
        column_ += static_cast<int32_t>(run.size());
        pos_ = p;
        return run;
    }

    // A run of text taken from the chunk: its bytes and the number of characters they stand for.
    struct TextRun {
        std::string_view bytes;
        size_t length;
    };
    // Like takeAsciiRun, but the run also takes, in UTF-8 input, every two-
    // or three-byte sequence that lies whole in the chunk and decodes to a
    // character above 0x7F. TextBuffer::appendUtf8 widens it.
    TextRun takeTextRun(const ByteSet& accept)
    {
        const unsigned char* p = pos_;
        size_t continuationBytes = 0;
        for (;;) {
            while (p < fastEnd_ && accept[*p]) ++p;
            if (p >= fastEnd_ || *p < 0x80 || *p >= 0xF0 || encoding_ != Encoding::Utf8) break;
            const bool pair = *p < 0xE0;
            if (fastEnd_ - p < (pair ? 2 : 3)) break;
            // An overlong form of an ASCII character goes through next(), like the character itself.
            if ((pair ? Utf8Pair(p[0], p[1]) : Utf8Triple(p[0], p[1], p[2])) < 0x80) break;
            p += pair ? 2 : 3;
            continuationBytes += pair ? 1 : 2;
        }
        const TextRun run{{reinterpret_cast<const char*>(pos_), static_cast<size_t>(p - pos_)},
                          static_cast<size_t>(p - pos_) - continuationBytes};
        column_ += static_cast<int32_t>(run.length);
        pos_ = p;
        return run;
    }

    // Skips spaces, tabs, LF and CR LF straight from the chunk; anything
    // else (a lone CR among them) is left to next(). True when it stopped
    // before a character that is certainly no white space.
    bool skipAsciiWhite()
    {
        const unsigned char* p = pos_;
        while (p < fastEnd_) {
            if (*p == ' ' || *p == '\t') {
                ++column_;
                ++p;
            } else if (*p == '\n' || (*p == '\r' && p + 1 < fastEnd_ && p[1] == '\n')) {
                p += *p == '\r' ? 2 : 1;
                advance('\n');
            } else {
                break;
            }
        }
        pos_ = p;
        return p < fastEnd_ && *p != '\r';
    }

    // Puts back the character just read (kEnd is ignored: the input stays ended).
    void unread(int c)
    {
        if (c == kEnd) return;
        if (pushCount_ == pushback_.size()) throw std::logic_error("InputDecoder: too many characters put back");
        pushback_[pushCount_++] = static_cast<char16_t>(c);
        fastEnd_ = nullptr;
        if (c == '\n') {
            --line_;
            column_ = columnBeforeLineFeed_;
        } else {
            --column_;
        }
    }

    int32_t line() const { return line_; }
    int32_t column() const { return column_; }

private:
    static constexpr size_t kChunkSize = 64 * 1024;
    static constexpr int kNone = -2;

    void advance(int c)
    {
        if (c == '\n') {
            columnBeforeLineFeed_ = column_;
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
    }
    int nextSlow();
    int decode();
    int readByte();
    bool refill();
    void updateFastPath();

    ByteSource& source_;
    std::unique_ptr<unsigned char[]> chunk_;
    const unsigned char* pos_ = nullptr;
    const unsigned char* end_ = nullptr;
    const unsigned char* fastEnd_ = nullptr;  // end_ while single ASCII bytes may be taken directly
    Encoding encoding_;
    bool byteOrderMark_ = false;
    int lookahead_ = kNone;  // decoded after a CR, not yet counted
    std::array<char16_t, 16> pushback_{};
    size_t pushCount_ = 0;
    int32_t line_ = 1;
    int32_t column_ = 1;
    int32_t columnBeforeLineFeed_ = 1;
};

}  // namespace sax
