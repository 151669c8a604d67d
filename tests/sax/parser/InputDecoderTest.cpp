#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "InputDecoder.h"
#include "MemoryByteSource.h"

using namespace sax;
using namespace std::string_view_literals;

namespace {

std::vector<int> DecodeAll(InputDecoder& decoder)
{
    std::vector<int> characters;
    for (int c = decoder.next(); c != InputDecoder::kEnd; c = decoder.next()) characters.push_back(c);
    return characters;
}

std::vector<int> DecodeAll(std::string_view bytes, bool sixteenBit = false)
{
    MemoryByteSource source(bytes);
    InputDecoder decoder(source, sixteenBit);
    return DecodeAll(decoder);
}

// Hands out a few bytes per read, so sequences and CR LF pairs straddle chunks.
class PiecewiseSource final : public ByteSource {
public:
    PiecewiseSource(std::string bytes, size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}
    size_t read(unsigned char* buffer, size_t capacity) override
    {
        const size_t count = std::min({capacity, piece_, bytes_.size() - offset_});
        std::copy_n(bytes_.data() + offset_, count, buffer);
        offset_ += count;
        return count;
    }

private:
    std::string bytes_;
    size_t piece_;
    size_t offset_ = 0;
};

}  // namespace

TEST(InputDecoder, Utf8SequencesGiveOneSixteenBitCharacterEach)
{
    EXPECT_EQ(DecodeAll("A\xC3\xA9\xE2\x82\xAC"), (std::vector<int>{'A', 0xE9, 0x20AC}));
    // Four bytes: the lead byte is ignored and the code point's low 16 bits remain (U+1F600 -> 0xF600).
    EXPECT_EQ(DecodeAll("\xF0\x9F\x98\x80" "B"), (std::vector<int>{0xF600, 'B'}));
    EXPECT_EQ(DecodeAll("\xF7\x9F\x98\x80"), (std::vector<int>{0xF600}));
    // Continuation bytes are not checked; a sequence cut off by the end ends the input.
    EXPECT_EQ(DecodeAll("\xC3" "A"), (std::vector<int>{0xC1}));
    EXPECT_EQ(DecodeAll("x\xE2\x82"), (std::vector<int>{'x'}));
}

TEST(InputDecoder, ByteOrderMarkSelectsSixteenBitDecoding)
{
    MemoryByteSource little("\xFF\xFE" "A\0\xAC\x20"sv);
    InputDecoder littleDecoder(little, false);
    EXPECT_TRUE(littleDecoder.byteOrderMarkFound());
    EXPECT_TRUE(littleDecoder.sixteenBit());
    EXPECT_EQ(DecodeAll(littleDecoder), (std::vector<int>{'A', 0x20AC}));

    EXPECT_EQ(DecodeAll("\xFE\xFF\0A\x20\xAC"sv), (std::vector<int>{'A', 0x20AC}));
    EXPECT_EQ(DecodeAll("A\0B\0C"sv, true), (std::vector<int>{'A', 'B'}));  // the odd last byte is no character
    MemoryByteSource plain("<r/>");
    EXPECT_FALSE(InputDecoder(plain, false).byteOrderMarkFound());
}

TEST(InputDecoder, SingleByteDecodingTakesEveryByteAsItsCharacter)
{
    MemoryByteSource source("a\xE9\xC3\xA9");
    InputDecoder decoder(source, false);
    EXPECT_EQ(decoder.next(), 'a');
    decoder.useSingleByte();
    EXPECT_EQ(DecodeAll(decoder), (std::vector<int>{0xE9, 0xC3, 0xA9}));
}

TEST(InputDecoder, LineEndsFoldAndPositionsFollow)
{
    MemoryByteSource source("a\r\nb\rc\nd");
    InputDecoder decoder(source, false);
    const std::vector<std::tuple<int, int32_t, int32_t>> expected{
        {'a', 1, 2}, {'\n', 2, 1}, {'b', 2, 2}, {'\n', 3, 1}, {'c', 3, 2}, {'\n', 4, 1}, {'d', 4, 2}};
    for (const auto& [character, line, column] : expected) {
        EXPECT_EQ(decoder.next(), character);
        EXPECT_EQ(decoder.line(), line);
        EXPECT_EQ(decoder.column(), column);
    }
    EXPECT_EQ(decoder.next(), InputDecoder::kEnd);
}

TEST(InputDecoder, PuttingBackRestoresCharacterAndPosition)
{
    MemoryByteSource source("ab\ncd");
    InputDecoder decoder(source, false);
    decoder.next();
    decoder.next();
    EXPECT_EQ(decoder.next(), '\n');
    decoder.unread('\n');
    decoder.unread('b');
    EXPECT_EQ(decoder.line(), 1);
    EXPECT_EQ(decoder.column(), 2);
    EXPECT_EQ(decoder.next(), 'b');
    EXPECT_EQ(decoder.next(), '\n');
    EXPECT_EQ(decoder.line(), 2);
    EXPECT_EQ(DecodeAll(decoder), (std::vector<int>{'c', 'd'}));
}

TEST(InputDecoder, SequencesAndLineEndsAcrossChunkBoundaries)
{
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += "\xC3\xA9\r\n\xF0\x9F\x98\x80x\r";
    for (size_t piece : {1u, 2u, 3u, 5u}) {
        PiecewiseSource source(bytes, piece);
        InputDecoder decoder(source, false);
        const std::vector<int> characters = DecodeAll(decoder);
        ASSERT_EQ(characters.size(), 5000u) << piece;
        for (size_t i = 0; i < characters.size(); i += 5)
            ASSERT_EQ((std::vector<int>(characters.begin() + i, characters.begin() + i + 5)),
                      (std::vector<int>{0xE9, '\n', 0xF600, 'x', '\n'}))
                << "piece " << piece << " at " << i;
        EXPECT_EQ(decoder.line(), 2001);
    }
}
