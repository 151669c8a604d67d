#include <gtest/gtest.h>

#include "ControlRecord.h"
#include "ModelError.h"

using namespace velk;

namespace {

ControlRecord WithThreeEntries()
{
    ControlRecord record;
    record.setIndexValue(0, "Off");
    record.setIndexValue(1, "Slow");
    record.setIndexValue(2, "Fast");
    record.setIndexBold(2, true);
    record.setIndexFG(2, 0xFF);
    return record;
}

}  // namespace

TEST(ControlRecordEntries, GettersBeyondTheCountGiveDecimalTextAndZero)
{
    const ControlRecord record = WithThreeEntries();
    EXPECT_EQ(record.indexCount(), 3);
    EXPECT_EQ(record.indexValues(1), "Slow");
    EXPECT_EQ(record.indexValues(5), "5");
    EXPECT_FALSE(record.indexBold(5));
    EXPECT_FALSE(record.indexItalic(3));
    EXPECT_EQ(record.indexFG(3), 0);
    EXPECT_EQ(record.indexBG(3), 0);
    EXPECT_TRUE(record.indexBold(2));
    EXPECT_EQ(record.indexFG(2), 0xFF);
}

TEST(ControlRecordEntries, OnlySetIndexValueGrowsAllFiveArrays)
{
    ControlRecord record = WithThreeEntries();
    record.setIndexBold(7, true);
    record.setIndexItalic(7, true);
    record.setIndexFG(7, 1);
    record.setIndexBG(7, 2);
    EXPECT_EQ(record.indexCount(), 3);  // the other setters ignore index 7
    EXPECT_FALSE(record.indexBold(7));

    record.setIndexValue(5, "Turbo");
    EXPECT_EQ(record.indexCount(), 6);
    EXPECT_EQ(record.indexValues(5), "Turbo");
    EXPECT_EQ(record.indexValues(4), "");  // grown, so no longer the decimal text
    EXPECT_FALSE(record.indexBold(4));
    EXPECT_EQ(record.indexValues(1), "Slow");  // contents kept
    EXPECT_TRUE(record.indexBold(2));

    record.setIndexItalic(4, true);  // now inside the count
    EXPECT_TRUE(record.indexItalic(4));
    record.setIndexBG(5, 0x123456);
    EXPECT_EQ(record.indexBG(5), 0x123456);
}

TEST(ControlRecordEntries, CountStaysSixteenBit)
{
    ControlRecord record;
    EXPECT_THROW(record.setIndexValue(32767, "x"), ModelError);
    EXPECT_THROW(record.setIndexValue(-1, "x"), ModelError);
    EXPECT_EQ(record.indexCount(), 0);
    record.setIndexValue(32766, "last");
    EXPECT_EQ(record.indexCount(), 32767);
}
