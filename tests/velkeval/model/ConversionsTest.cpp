#include <gtest/gtest.h>

#include "Conversions.h"
#include "ModelError.h"
#include "TextCase.h"

using namespace velk;

TEST(TextToInt, DecimalAcceptsBlanksSignsAndRoundsFractionsHalfToEven)
{
    EXPECT_EQ(TextToInt(" 42 ", -1, "dec"), 42);
    EXPECT_EQ(TextToInt("-17", -1, "dec"), -17);
    EXPECT_EQ(TextToInt("+5", -1, "dec"), 5);
    EXPECT_EQ(TextToInt("2.5", -1, "dec"), 2);
    EXPECT_EQ(TextToInt("3.5", -1, "dec"), 4);
    EXPECT_EQ(TextToInt("-2.5", -1, "dec"), -2);
    EXPECT_EQ(TextToInt("2.5000001", -1, "dec"), 3);
    EXPECT_EQ(TextToInt("7.49", -1, "dec"), 7);
    EXPECT_EQ(TextToInt(".5", -1, "dec"), 0);
    EXPECT_EQ(TextToInt("32767", -1, "dec"), 32767);
    EXPECT_EQ(TextToInt("-32768", -1, "dec"), -32768);
    EXPECT_EQ(TextToInt("32767.4", -1, "dec"), 32767);
}

TEST(TextToInt, AnyFailureGivesTheFallback)
{
    EXPECT_EQ(TextToInt("", 7, "dec"), 7);
    EXPECT_EQ(TextToInt("12x", -1, "dec"), -1);
    EXPECT_EQ(TextToInt("1 2", -1, "dec"), -1);
    EXPECT_EQ(TextToInt("32768", -1, "dec"), -1);
    EXPECT_EQ(TextToInt("32767.5", -1, "dec"), -1);  // rounds to 32768
    EXPECT_EQ(TextToInt("99999999999999999999", 3, "dec"), 3);
    EXPECT_EQ(TextToInt("&H10", -1, "dec"), -1);  // no prefixes in decimal
    EXPECT_EQ(TextToInt("-", 4, "dec"), 4);
    EXPECT_EQ(TextToInt("GANone", 9, "hex"), 9);
    EXPECT_EQ(TextToInt("", 7, "hex"), 7);
    EXPECT_EQ(TextToInt("10000", -1, "hex"), -1);  // five significant hex digits
    EXPECT_EQ(TextToInt("8", -1, "oct"), -1);
    EXPECT_EQ(TextToInt("200000", -1, "oct"), -1);
    EXPECT_EQ(TextToInt("", 7, "bin"), 7);
}

TEST(TextToInt, HexAndOctalAreSixteenBitTwosComplement)
{
    EXPECT_EQ(TextToInt("1F", -1, "hex"), 31);
    EXPECT_EQ(TextToInt("1f", -1, "hex"), 31);
    EXPECT_EQ(TextToInt("FFFF", 0, "hex"), -1);
    EXPECT_EQ(TextToInt("8000", 0, "hex"), -32768);
    EXPECT_EQ(TextToInt("7FFF", 0, "hex"), 32767);
    EXPECT_EQ(TextToInt("000FF", 0, "hex"), 255);  // leading zeros are not significant
    EXPECT_EQ(TextToInt("17", 0, "oct"), 15);
    EXPECT_EQ(TextToInt("177777", 0, "oct"), -1);
}

TEST(TextToInt, RadixIsComparedLowerCasedAndUnknownRadixesReadDecimal)
{
    EXPECT_EQ(TextToInt("1F", -1, "HEX"), 31);
    EXPECT_EQ(TextToInt("17", -1, "Oct"), 15);
    EXPECT_EQ(TextToInt("101", -1, "BIN"), 5);
    EXPECT_EQ(TextToInt("10", -1, "sedecimal"), 10);
    EXPECT_EQ(TextToInt("10", -1, ""), 10);
    EXPECT_EQ(TextToInt("1F", -1, "whatever"), -1);
    // Letters beyond ASCII never make a radix name: this "hex" has a Cyrillic "e".
    EXPECT_EQ(TextToInt("1F", -1, "h\xD0\xB5x"), -1);
    EXPECT_EQ(TextToInt("10", -1, "h\xD0\xB5x"), 10);
    EXPECT_EQ(TextToLong("1F", -1, "Hex"), 31);
    EXPECT_EQ(TextToLong("17", -1, "OCT"), 15);
}

TEST(TextToInt, BinaryFollowsBinToIntAndOverflowsPastFifteenDigits)
{
    EXPECT_EQ(TextToInt("101", -1, "bin"), 5);
    EXPECT_EQ(TextToInt("0111111111111111", -1, "bin"), 32767);
    EXPECT_EQ(TextToInt("1000000000000000", -1, "bin"), -1);
    EXPECT_EQ(TextToInt("1x1", -1, "bin"), 5);  // other characters count as 0
}

TEST(TextToLong, ThirtyTwoBitsEightHexDigitsAndNoBinary)
{
    EXPECT_EQ(TextToLong("80000008", 0, "hex"), static_cast<int32_t>(0x80000008u));
    EXPECT_EQ(TextToLong("FFFFFFFF", 0, "hex"), -1);
    EXPECT_EQ(TextToLong("FFFF", 0, "hex"), 65535);
    EXPECT_EQ(TextToLong("100000000", 5, "hex"), 5);
    EXPECT_EQ(TextToLong("2147483647", 0, "dec"), 2147483647);
    EXPECT_EQ(TextToLong("2147483648", 9, "dec"), 9);
    EXPECT_EQ(TextToLong("-2147483648", 0, "dec"), INT32_MIN);
    EXPECT_EQ(TextToLong("101", 0, "bin"), 101);  // "bin" reads as decimal
    EXPECT_EQ(TextToLong("37777777777", 0, "oct"), -1);
    EXPECT_EQ(TextToLong("x", 12, "dec"), 12);
}

TEST(BinaryText, BinToIntIntToBinAndGetBit)
{
    EXPECT_EQ(BinToInt(""), 0);
    EXPECT_EQ(BinToInt("00011100"), 28);
    EXPECT_EQ(BinToInt("111111111111111"), 32767);
    EXPECT_THROW(BinToInt("1111111111111111"), ModelError);

    EXPECT_EQ(IntToBin(5, 8), "00000101");
    EXPECT_EQ(IntToBin(0, 8), "00000000");
    EXPECT_EQ(IntToBin(300, 8), "100101100");  // never cut
    EXPECT_EQ(IntToBin(-3, 8), "00000000");
    EXPECT_EQ(IntToBin(6, 0), "110");

    EXPECT_EQ(GetBit(0xA5, 0), 1);
    EXPECT_EQ(GetBit(0xA5, 1), 0);
    EXPECT_EQ(GetBit(0xA5, 7), 1);
    EXPECT_EQ(GetBit(0xA5, 8), 0);
    EXPECT_EQ(GetBit(-1, 15), 1);  // Int() rounds toward minus infinity
    EXPECT_EQ(GetBit(-2, 0), 0);
    EXPECT_EQ(GetBit(3, -1), 0);
}

TEST(ClampValue, NoClampingWhenMaxIsMinusOne)
{
    EXPECT_EQ(ClampValue(300, 0, -1), 300);
    EXPECT_EQ(ClampValue(-4, 0, -1), -4);  // min is not applied either
    EXPECT_EQ(ClampValue(-4, 0, 255), 0);
    EXPECT_EQ(ClampValue(300, 0, 255), 255);
    EXPECT_EQ(ClampValue(100, 0, 255), 100);
}

TEST(ValueToText, RadixIsComparedExactly)
{
    EXPECT_EQ(ValueToText(31, "hex"), "1F");
    EXPECT_EQ(ValueToText(31, "HEX"), "31");  // shows decimal
    EXPECT_EQ(ValueToText(-1, "hex"), "FFFF");
    EXPECT_EQ(ValueToText(0, "hex"), "0");
    EXPECT_EQ(ValueToText(8, "oct"), "10");
    EXPECT_EQ(ValueToText(-1, "oct"), "177777");
    EXPECT_EQ(ValueToText(5, "bin"), "00000101");
    EXPECT_EQ(ValueToText(-12, "dec"), "-12");
    EXPECT_EQ(ValueToText(12, ""), "12");
}

TEST(HexText, SixteenAndThirtyTwoBitForms)
{
    EXPECT_EQ(Hex16(-32768), "8000");
    EXPECT_EQ(Hex32(static_cast<int32_t>(0x80000008u)), "80000008");
    EXPECT_EQ(Hex32(0x00B4FFFF), "B4FFFF");
    EXPECT_EQ(AddressHex(7), "07");
    EXPECT_EQ(AddressHex(0x1A), "1A");
    EXPECT_EQ(AddressHex(0x100), "100");
    EXPECT_EQ(HexToLong(" ff "), 255);
    EXPECT_FALSE(HexToLong("fg").has_value());
    EXPECT_FALSE(HexToLong("").has_value());
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4375), 2);
    EXPECT_EQ(RoundHalfEven(2.5625), 3);
}

TEST(LowerCase, FoldsAsciiAndCommonNonAsciiCapitals)
{
    EXPECT_EQ(LowerCase("GroupName"), "groupname");
    EXPECT_EQ(LowerCase("ÄÖÜ ÉÈ"), "äöü éè");
    EXPECT_EQ(LowerCase("ŁŽ"), "łž");
    EXPECT_EQ(LowerCase("ΣΩ"), "σω");
    EXPECT_EQ(LowerCase("ЖЁ"), "жё");
    EXPECT_EQ(LowerCase("×"), "×");  // not a letter
    EXPECT_EQ(LowerCase("a\xff" "B"), "a\xff" "b");  // a malformed byte is kept
    EXPECT_EQ(LowerCase("日本"), "日本");
}

TEST(ValueToText, EverySixteenBitValueReadsBackInItsRadix)
{
    for (int v = INT16_MIN; v <= INT16_MAX; ++v) {
        const auto value = static_cast<int16_t>(v);
        for (const char* radix : {"dec", "hex", "oct"})
            ASSERT_EQ(TextToInt(ValueToText(value, radix), 0, radix), value) << radix << " " << v;
        if (v >= 0 && v <= 255) {
            ASSERT_EQ(TextToInt(ValueToText(value, "bin"), -1, "bin"), value) << v;
        }
    }
}
