#include <gtest/gtest.h>

#include "AttributeValues.h"

namespace velk {
namespace {

TEST(DecimalValue, PlainDigitsAndEveryOtherFormReadAlike)
{
    // Short plain digits take a quicker road than the rest; both must agree
    // with the number rules.
    EXPECT_EQ(DecimalValue("0", -1), 0);
    EXPECT_EQ(DecimalValue("0012", -1), 12);
    EXPECT_EQ(DecimalValue("9999", -1), 9999);
    EXPECT_EQ(DecimalValue("32767", -1), 32767);
    EXPECT_EQ(DecimalValue("32768", -1), -1);
    EXPECT_EQ(DecimalValue("-5", -1), -5);
    EXPECT_EQ(DecimalValue(" 12\t", -1), 12);
    EXPECT_EQ(DecimalValue("12.5", -1), 12);  // ties to even
    EXPECT_EQ(DecimalValue("13.5", -1), 14);
    EXPECT_EQ(DecimalValue("&H1F", -1), 31);
    EXPECT_EQ(DecimalValue("&o17", -1), 15);
    EXPECT_EQ(DecimalValue("", -1), -1);
    EXPECT_EQ(DecimalValue("12a", -1), -1);
    EXPECT_EQ(DecimalValue("GANone", 7), 7);
}

}  // namespace
}  // namespace velk
