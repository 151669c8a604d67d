// Runs of text taken from the chunk in one piece must give exactly what
// next() gives one character at a time, and the same positions.
#include <gtest/gtest.h>

#include <string>

#include "InputDecoder.h"
#include "MemoryByteSource.h"
#include "TextBuffer.h"

using namespace sax;

namespace {

InputDecoder::ByteSet AsciiExcept(std::string_view excluded)
{
    InputDecoder::ByteSet set{};
    for (int c = 0; c < 0x80; ++c) set[c] = c != '\n' && c != '\r' && excluded.find(char(c)) == std::string_view::npos;
    return set;
}

struct Taken {
    std::u16string text;
    int32_t column;
    int following;  // what next() gives after the run
};

Taken TakeRun(std::string_view bytes, bool singleByte = false)
{
    MemoryByteSource source(bytes);
    InputDecoder decoder(source, false);
    if (singleByte) decoder.useSingleByte();
    TextBuffer buffer;
    const InputDecoder::TextRun run = decoder.takeTextRun(AsciiExcept("<&"));
    buffer.appendUtf8(run.bytes, run.length);
    const int32_t column = decoder.column();
    return {std::u16string(buffer.view()), column, decoder.next()};
}

}  // namespace

TEST(TextRun, TakesAsciiAndWholeTwoAndThreeByteSequences)
{
    const Taken taken = TakeRun("a\xC3\xA9" "b\xE2\x82\xAC" "c<");
    EXPECT_EQ(taken.text, u"a\u00E9b\u20ACc");
    EXPECT_EQ(taken.column, 6);  // one column per character, not per byte
    EXPECT_EQ(taken.following, '<');
}

TEST(TextRun, LeavesToNextWhatNeedsItsSlowPath)
{
    // Four-byte sequences, overlong forms of ASCII (here '<' and LF), line ends
    // and sequences cut off by the end of the chunk all stop the run.
    EXPECT_EQ(TakeRun("ab\xF0\x9F\x98\x80").text, u"ab");
    EXPECT_EQ(TakeRun("ab\xF0\x9F\x98\x80").following, 0xF600);
    EXPECT_EQ(TakeRun("a\xC0\xBC" "b").text, u"a");
    EXPECT_EQ(TakeRun("a\xC0\xBC" "b").following, '<');
    EXPECT_EQ(TakeRun("a\xC0\x8A").following, '\n');
    EXPECT_EQ(TakeRun("a\r\nb").text, u"a");
    EXPECT_EQ(TakeRun("a\xE2\x82").text, u"a");
    // Single-byte input takes only the ASCII part; the rest is one byte per character.
    const Taken latin = TakeRun("a\xE9" "b", true);
    EXPECT_EQ(latin.text, u"a");
    EXPECT_EQ(latin.following, 0xE9);
}

TEST(TextRun, BufferGrowsByCharactersNotBytes)
{
    // 600 three-byte characters are 1,800 bytes but fit the first 1,024 characters.
    std::string bytes;
    for (int i = 0; i < 600; ++i) bytes += "\xE2\x82\xAC";
    MemoryByteSource source(bytes);
    InputDecoder decoder(source, false);
    const InputDecoder::TextRun run = decoder.takeTextRun(AsciiExcept(""));
    TextBuffer buffer;
    buffer.appendUtf8(run.bytes, run.length);
    EXPECT_EQ(buffer.size(), 600u);
    EXPECT_EQ(buffer.capacity(), 1024u);
    EXPECT_EQ(buffer.view(), std::u16string(600, u'\u20AC'));
}
