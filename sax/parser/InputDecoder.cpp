#include "InputDecoder.h"

#include "Utf8Sequence.h"

namespace sax {

InputDecoder::InputDecoder(ByteSource& source, bool sixteenBitInput)
    : source_(source),
      chunk_(new unsigned char[kChunkSize]),
      encoding_(sixteenBitInput ? Encoding::Utf16LittleEndian : Encoding::Utf8)
{
    // The mark test needs two bytes even from a source that hands them out one by one.
    size_t filled = 0;
    while (filled < 2) {
        const size_t count = source_.read(chunk_.get() + filled, kChunkSize - filled);
        if (count == 0) break;
        filled += count;
    }
    pos_ = chunk_.get();
    end_ = pos_ + filled;
    if (filled >= 2 && pos_[0] == 0xFF && pos_[1] == 0xFE) {
        encoding_ = Encoding::Utf16LittleEndian;
        byteOrderMark_ = true;
    } else if (filled >= 2 && pos_[0] == 0xFE && pos_[1] == 0xFF) {
        encoding_ = Encoding::Utf16BigEndian;
        byteOrderMark_ = true;
    }
    if (byteOrderMark_) pos_ += 2;
    updateFastPath();
}

void InputDecoder::useSingleByte()
{
    encoding_ = Encoding::SingleByte;
    updateFastPath();
}

void InputDecoder::updateFastPath()
{
    const bool bytewise = encoding_ == Encoding::Utf8 || encoding_ == Encoding::SingleByte;
    fastEnd_ = bytewise && pushCount_ == 0 && lookahead_ == kNone ? end_ : nullptr;
}

bool InputDecoder::refill()
{
    const size_t count = source_.read(chunk_.get(), kChunkSize);
    pos_ = chunk_.get();
    end_ = pos_ + count;
    updateFastPath();
    return count > 0;
}

int InputDecoder::readByte()
{
    if (pos_ == end_ && !refill()) return kEnd;
    return *pos_++;
}

int InputDecoder::decode()
{
    // A whole UTF-8 sequence inside the chunk is decoded without a refill check per byte.
    if (encoding_ == Encoding::Utf8 && end_ - pos_ >= 4) {
        const unsigned char* p = pos_;
        if (p[0] < 0x80) {
            pos_ += 1;
            return p[0];
        }
        if (p[0] < 0xE0) {
            pos_ += 2;
            return Utf8Pair(p[0], p[1]);
        }
        if (p[0] < 0xF0) {
            pos_ += 3;
            return Utf8Triple(p[0], p[1], p[2]);
        }
    }
    const int b0 = readByte();
    if (b0 == kEnd) return kEnd;
    switch (encoding_) {
    case Encoding::SingleByte:
        return b0;
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian: {
        const int b1 = readByte();
        if (b1 == kEnd) return kEnd;  // an odd trailing byte is no character
        return encoding_ == Encoding::Utf16LittleEndian ? (b1 << 8) | b0 : (b0 << 8) | b1;
    }
    case Encoding::Utf8:
        break;
    }
    // UTF-8, one 16-bit character per sequence; continuation bytes are not
    // checked. A sequence cut short by the end of the input ends it.
    if (b0 < 0x80) return b0;
    const int b1 = readByte();
    if (b1 == kEnd) return kEnd;
    if (b0 < 0xE0) return Utf8Pair(b0, b1);
    const int b2 = readByte();
    if (b2 == kEnd) return kEnd;
    if (b0 < 0xF0) return Utf8Triple(b0, b1, b2);
    // Four bytes: the lead byte is ignored, the result is the code point's low 16 bits.
    const int b3 = readByte();
    if (b3 == kEnd) return kEnd;
    return ((b1 & 0x0F) << 12) | ((b2 & 0x3F) << 6) | (b3 & 0x3F);
}

int InputDecoder::nextSlow()
{
    int c;
    if (pushCount_ > 0) {
        c = pushback_[--pushCount_];
        updateFastPath();
        advance(c);
        return c;
    }
    if (lookahead_ != kNone) {
        c = lookahead_;
        lookahead_ = kNone;
        updateFastPath();
    } else {
        c = decode();
    }
    if (c == '\r') {
        const int following = decode();
        if (following != '\n' && following != kEnd) {
            lookahead_ = following;
            fastEnd_ = nullptr;
        }
        c = '\n';
    }
    if (c != kEnd) advance(c);
    return c;
}

}  // namespace sax
