#include <gtest/gtest.h>

#include "CharClassRanges.h"
#include "CharClassTable.h"

using namespace sax;

TEST(CharClassRanges, GeneratedListsHoldTheFiveClassesOfTheDataFile)
{
    const CharClassRanges& ranges = XmlCharClassRanges();
    EXPECT_EQ(ranges.baseChar.size(), 202u);
    EXPECT_EQ(ranges.ideographic.size(), 3u);
    EXPECT_EQ(ranges.combiningChar.size(), 95u);
    EXPECT_EQ(ranges.digit.size(), 15u);
    EXPECT_EQ(ranges.extender.size(), 11u);
    // First and last items of the file, a single "#x" item, and the ideographic block.
    EXPECT_EQ(ranges.baseChar.front().first, 0x41);
    EXPECT_EQ(ranges.baseChar.front().last, 0x5A);
    EXPECT_EQ(ranges.baseChar.back().first, 0xAC00);
    EXPECT_EQ(ranges.baseChar.back().last, 0xD7A3);
    EXPECT_EQ(ranges.extender.front().first, 0xB7);
    EXPECT_EQ(ranges.extender.front().last, 0xB7);
    EXPECT_EQ(ranges.ideographic.front().first, 0x4E00);
    EXPECT_EQ(ranges.ideographic.front().last, 0x9FA5);
}

TEST(CharClassTable, FlagsAndDerivedNameClasses)
{
    const CharClassTable table;
    EXPECT_EQ(table.flags(u'A'), CharClassTable::kBaseChar | CharClassTable::kChar | CharClassTable::kNameChar |
                                     CharClassTable::kNameStart);
    EXPECT_TRUE(table.isLetter(0x4E00));    // ideographic
    EXPECT_TRUE(table.isNameStart(0x3007));
    EXPECT_TRUE(table.isDigit(0x0660));     // Arabic-Indic zero
    EXPECT_FALSE(table.isNameStart(u'1'));
    EXPECT_TRUE(table.isNameChar(u'1'));
    EXPECT_TRUE(table.isNameChar(0x0300));  // combining, not a start
    EXPECT_FALSE(table.isNameStart(0x0300));
    EXPECT_TRUE(table.isNameChar(0x00B7));  // extender
    for (char16_t c : {u'.', u'-'}) EXPECT_TRUE(table.isNameChar(c) && !table.isNameStart(c));
    for (char16_t c : {u'_', u':'}) EXPECT_TRUE(table.isNameStart(c));
    EXPECT_FALSE(table.isNameChar(u' '));
    EXPECT_FALSE(table.isNameChar(0x00D7));  // the gap between two BaseChar ranges

    // Char: tab, LF, CR, 0x20-0xD7FF, 0xE000-0xFFFD; no flag at all for U+FFFF.
    for (char16_t c : {u'\t', u'\n', u'\r', u' ', char16_t(0xD7FF), char16_t(0xE000), char16_t(0xFFFD)})
        EXPECT_TRUE(table.isChar(c)) << int(c);
    for (char16_t c : {char16_t(0), char16_t(0x1F), char16_t(0xD800), char16_t(0xDFFF), char16_t(0xFFFE)})
        EXPECT_FALSE(table.isChar(c)) << int(c);
    EXPECT_EQ(table.flags(0xFFFF), 0);
}
