#include <gtest/gtest.h>

#include "ElementAttributes.h"
#include "FakeAttributes.h"

namespace velk {
namespace {

TEST(ElementAttributes, FindsShortAndLongNamesInAnyLetterCaseAndTakesTheLastOfTwo)
{
    ElementAttributes attributes;
    attributes.Read(FakeAttributes({{"X", "1"},
                                    {"Value", "2"},
                                    {"RADIX", "3"},
                                    {"ReadOnly", "4"},          // eight characters: one word
                                    {"controlMode", "5"},       // past the word
                                    {"controlModf", "6"},       // the same first seven characters and length
                                    {"value", "7"},             // the later one counts
                                    {"\xC3\x89tat", "8"},       // beyond ASCII: lower-cased in full
                                    {"@[`{", "9"}}));           // next to the capitals, left as they are
    EXPECT_EQ(attributes.Get("x"), "1");
    EXPECT_EQ(attributes.Get("value"), "7");
    EXPECT_EQ(attributes.Get("radix"), "3");
    EXPECT_EQ(attributes.Get("readonly"), "4");
    EXPECT_EQ(attributes.Get("controlmode"), "5");
    EXPECT_EQ(attributes.Get("controlmodf"), "6");
    EXPECT_EQ(attributes.Get("\xC3\xA9tat"), "8");
    EXPECT_EQ(attributes.Get("@[`{"), "9");
    for (const std::string_view missing : {attributes.Get("readonl"), attributes.Get("readonlyx"),
                                           attributes.Get("controlmod"), attributes.Get("controlmodex"),
                                           attributes.Get(""), attributes.Get("Value")})
        EXPECT_EQ(missing, "GANone");
    EXPECT_FALSE(attributes.Find("min"));
}

TEST(ElementAttributes, EachReadReplacesTheLastAndAFailingListKeepsWhatWasRead)
{
    ElementAttributes attributes;
    attributes.Read(FakeAttributes({{"a", "1"}, {"longer name", "2"}, {"c", "3"}}));
    attributes.Read(FakeAttributes({{"B", "4"}, {"d", "5"}}));
    EXPECT_EQ(attributes.Get("b"), "4");
    EXPECT_EQ(attributes.Get("d"), "5");  // read where a longer name was
    EXPECT_EQ(attributes.Get("a"), "GANone");  // spare storage of the earlier element is not searched
    EXPECT_EQ(attributes.Get("c"), "GANone");

    attributes.Read(FakeAttributes({{"first", "x"}, {"second", "y"}}, 1));
    EXPECT_EQ(attributes.Get("first"), "x");
    EXPECT_EQ(attributes.Get("second"), "GANone");
}

}  // namespace
}  // namespace velk
