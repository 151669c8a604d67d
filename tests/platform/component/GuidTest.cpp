#include <gtest/gtest.h>

#include "Guid.h"

namespace {

constexpr GUID kReader = {0xBC4120E3, 0x27AE, 0x4F66, {0xB8, 0xDE, 0x04, 0xA7, 0x17, 0xB6, 0x49, 0x4C}};

TEST(Guid, ParsesTheRegistryFormInEitherCaseAndPrintsUpperCase)
{
    EXPECT_EQ(ParseGuid("{BC4120E3-27AE-4f66-B8DE-04A717B6494C}"), kReader);
    EXPECT_EQ(ParseGuid("{bc4120e3-27ae-4F66-b8de-04a717b6494c}"), kReader);
    EXPECT_EQ(GuidToString(kReader), "{BC4120E3-27AE-4F66-B8DE-04A717B6494C}");
    EXPECT_EQ(ParseGuid(GuidToString(kReader)), kReader);
}

TEST(Guid, RefusesAnythingButTheExactForm)
{
    for (const char* text : {"", "BC4120E3-27AE-4f66-B8DE-04A717B6494C", "{BC4120E3-27AE-4f66-B8DE-04A717B6494C",
                             "{BC4120E3-27AE-4f66-B8DE04A717B6494C}", "{BC4120E3-27AE-4f66-B8DE-04A717B6494}",
                             "{BC4120E3-27AE-4f66-B8DE-04A717B6494CC}", "{BC4120G3-27AE-4f66-B8DE-04A717B6494C}",
                             "{BC4120E3-27AE-4f66-B8DE-04A717B6494C} "})
        EXPECT_FALSE(ParseGuid(text).has_value()) << text;
}

}  // namespace
