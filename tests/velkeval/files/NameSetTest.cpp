#include <gtest/gtest.h>

#include <string>

#include "NameSet.h"

namespace velk {
namespace {

TEST(NameSet, TakesEachNameOnceThroughManyGrowths)
{
    NameSet names;
    // Keys of a large device: long shared prefixes, differing at the end.
    for (int i = 0; i < 20000; ++i)
        ASSERT_TRUE(names.Insert("fieldregister" + std::to_string(i / 4) + "field" + std::to_string(i % 4))) << i;
    EXPECT_TRUE(names.Insert(""));
    EXPECT_FALSE(names.Insert(""));
    for (int i = 0; i < 20000; i += 7)
        EXPECT_FALSE(names.Insert("fieldregister" + std::to_string(i / 4) + "field" + std::to_string(i % 4))) << i;
    EXPECT_TRUE(names.Insert("fieldregister0field"));  // a prefix of a name in the set is a name of its own
    EXPECT_TRUE(names.Insert(std::string("fieldregister0field0\0", 21)));
    EXPECT_EQ(names.size(), 20003u);
}

}  // namespace
}  // namespace velk
