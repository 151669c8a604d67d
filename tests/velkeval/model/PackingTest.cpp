#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "ControlType.h"
#include "Field.h"
#include "Group.h"
#include "ModelError.h"

using namespace velk;

namespace {

struct FieldSpec {
    int16_t byteIndex;
    int16_t bitIndex;
    int16_t size;
    int16_t value;
};

// A group with its register bytes allocated and its fields keyed by
// sequence, as the loader builds it.
std::shared_ptr<Group> MakeGroup(int16_t size, int32_t mode, std::initializer_list<FieldSpec> fields)
{
    auto group = std::make_shared<Group>();
    group->groupName = "Reg";
    group->size = size;
    group->controlMode = mode;
    group->address = "3F";
    group->ResizeRegisterBytes();
    for (const FieldSpec& f : fields) {
        const int16_t sequence = SequenceOf(f.byteIndex, f.bitIndex);
        group->childFields.AddV(f.value, f.byteIndex, f.bitIndex, f.size, group, sequence, SequenceKey(sequence));
    }
    group->droppedLowBits = group->CountDroppedLowBits();
    return group;
}

void SetBytes(Group& group, std::initializer_list<int16_t> bytes)
{
    int16_t i = 0;
    for (int16_t b : bytes) group.SetValue(b, i++);
}

int16_t FieldValue(const Group& group, int position) { return group.childFields.Item(position)->value; }

}  // namespace

TEST(Sequence, FollowsByteAndBitPosition)
{
    EXPECT_EQ(SequenceOf(0, 0), 7);
    EXPECT_EQ(SequenceOf(2, 5), 22);
    EXPECT_EQ(SequenceOf(1, 3), 14);
    EXPECT_EQ(SequenceKey(14), "key14");
}

TEST(BuildValue, AddsEachFieldAtItsLeastSignificantBit)
{
    auto nibbles = MakeGroup(1, ControlMode::Parallel, {{0, 0, 4, 5}, {0, 4, 4, 10}});
    nibbles->BuildValue();
    EXPECT_EQ(nibbles->GetValue(0), 0xA5);

    auto middle = MakeGroup(1, ControlMode::Parallel, {{0, 3, 2, 3}});
    middle->SetValue(0xFF, 0);  // stale contents are cleared first
    middle->BuildValue();
    EXPECT_EQ(middle->GetValue(0), 24);

    auto twoBytes = MakeGroup(2, ControlMode::Parallel, {{0, 0, 8, 0x12}, {1, 4, 4, 3}, {1, 0, 2, 1}});
    twoBytes->BuildValue();
    EXPECT_EQ(twoBytes->GetValue(0), 0x12);
    EXPECT_EQ(twoBytes->GetValue(1), 0x31);
}

TEST(BuildValue, IsPlainAdditionSoAnOversizedValueCarries)
{
    auto group = MakeGroup(1, ControlMode::Parallel, {{0, 0, 2, 5}, {0, 2, 2, 0}});
    group->BuildValue();
    EXPECT_EQ(group->GetValue(0), 5);  // 5 in a two-bit field carries into bit 2
    auto top = MakeGroup(1, ControlMode::Parallel, {{0, 4, 4, 31}});
    top->BuildValue();
    EXPECT_EQ(top->GetValue(0), 496);  // and past 255 at the top of a byte
}

TEST(BuildValue, SixteenBitOverflowIsAnErrorNotAWrap)
{
    auto group = MakeGroup(1, ControlMode::Parallel, {{0, 0, 8, 300}, {0, 7, 1, 300}});
    EXPECT_THROW(group->BuildValue(), ModelError);  // 300 * 2^7 + 300 passes 32767
}

TEST(BuildValue, RegisterBytesMustBeAllocated)
{
    Group group;
    group.size = 2;
    EXPECT_THROW(group.BuildValue(), ModelError);
    EXPECT_THROW(group.GetValue(0), ModelError);
    group.ResizeRegisterBytes();
    group.SetValue(7, 1);
    group.size = 3;
    group.ResizeRegisterBytes();  // keeps contents
    EXPECT_EQ(group.GetValue(1), 7);
    EXPECT_EQ(group.GetValue(2), 0);
    EXPECT_THROW(group.SetValue(1, 3), ModelError);
    EXPECT_THROW(group.GetValue(-1), ModelError);
}

TEST(FieldExtraction, MasksTheByteAndShiftsDown)
{
    auto group = MakeGroup(1, ControlMode::Parallel, {{0, 2, 3, 0}, {0, 5, 3, 0}});
    auto low = group->childFields.Item(1);
    auto high = group->childFields.Item(2);
    EXPECT_EQ(low->Mask(), 28);
    EXPECT_EQ(high->Mask(), 0xE0);
    group->SetValue(0b10110111, 0);
    EXPECT_TRUE(low->ExtractValue());
    EXPECT_EQ(low->value, 0b101);
    EXPECT_FALSE(low->ExtractValue());  // unchanged the second time
    EXPECT_TRUE(high->ExtractValue());
    EXPECT_EQ(high->value, 0b101);

    Field outside;
    outside.bitIndex = 6;
    outside.size = 3;
    EXPECT_THROW(outside.Mask(), ModelError);
    EXPECT_THROW(outside.ExtractValue(), ModelError);  // no parent
}

TEST(BitBox, CandidateAddsOrRemovesTheBitWeight)
{
    auto group = MakeGroup(1, ControlMode::Parallel, {{0, 2, 4, 0b0101}});
    group->BuildValue();  // byte 00010100
    const auto field = group->childFields.Item(1);
    EXPECT_EQ(field->BitCandidate(3, 1), 0b0111);  // set bit 3: +2
    EXPECT_EQ(field->BitCandidate(4, 0), 0b0001);  // clear bit 4: -4
    EXPECT_EQ(field->BitCandidate(2, 1), 0b0101);  // already set: unchanged
    EXPECT_EQ(field->BitCandidate(5, 0), 0b0101);  // already clear: unchanged
}

TEST(DroppedLowBits, SeriesCountsTheEmptyBitsAfterTheLastField)
{
    // Byte 1's bits 3..0 are empty; the bits inside a multi-bit field above its
    // least significant bit count as empty too, but are followed by a reset.
    auto series = MakeGroup(2, ControlMode::Series, {{0, 0, 8, 0}, {1, 4, 4, 0}});
    EXPECT_EQ(series->droppedLowBits, 4);

    auto full = MakeGroup(2, ControlMode::Series, {{0, 0, 8, 0}, {1, 0, 8, 0}});
    EXPECT_EQ(full->droppedLowBits, 0);
}

TEST(DroppedLowBits, OtherModesCountOnlyInByteZero)
{
    auto highNibble = MakeGroup(1, ControlMode::ReverseSeries, {{0, 4, 4, 0}});
    EXPECT_EQ(highNibble->droppedLowBits, 4);
    auto parallel = MakeGroup(1, ControlMode::Parallel, {{0, 5, 3, 0}});
    EXPECT_EQ(parallel->droppedLowBits, 5);
    // a field in a later byte resets the count, and later empty bits are not counted
    auto laterField = MakeGroup(2, ControlMode::ReverseSeries, {{0, 4, 4, 0}, {1, 6, 2, 0}});
    EXPECT_EQ(laterField->droppedLowBits, 0);
    auto oddMode = MakeGroup(2, 7, {{0, 4, 4, 0}, {1, 6, 2, 0}});
    EXPECT_EQ(oddMode->droppedLowBits, 0);
}

TEST(GroupValue, SeriesAndReverseSeriesWithDroppedBits)
{
    auto series = MakeGroup(2, ControlMode::Series, {{0, 0, 8, 0}, {1, 4, 4, 0}});
    SetBytes(*series, {0x12, 0x30});
    EXPECT_EQ(series->GroupValue(), 0x123);

    auto reverse = MakeGroup(2, ControlMode::ReverseSeries, {{0, 0, 8, 0}, {1, 0, 8, 0}});
    SetBytes(*reverse, {0x34, 0x12});
    EXPECT_EQ(reverse->GroupValue(), 0x1234);

    auto otherCode = MakeGroup(2, 9, {{0, 0, 8, 0}, {1, 0, 8, 0}});  // behaves as Reverse Series
    SetBytes(*otherCode, {0x34, 0x12});
    EXPECT_EQ(otherCode->GroupValue(), 0x1234);
}

TEST(GroupValue, FractionsFromBitsInTheDroppedPositionsRoundHalfToEven)
{
    auto series = MakeGroup(1, ControlMode::Series, {{0, 4, 4, 0}});
    series->SetValue(0x38, 0);  // 3.5 after dropping four bits
    EXPECT_EQ(series->GroupValue(), 4);
    series->SetValue(0x28, 0);  // 2.5
    EXPECT_EQ(series->GroupValue(), 2);
    series->SetValue(0x29, 0);  // 2.5625
    EXPECT_EQ(series->GroupValue(), 3);
}

TEST(GroupValue, ValuesPastSixteenBitsAreShownClamped)
{
    auto series = MakeGroup(2, ControlMode::Series, {{0, 0, 8, 0}, {1, 0, 8, 0}});
    SetBytes(*series, {0x80, 0x00});
    EXPECT_EQ(series->GroupValue(), 32767);
    auto wide = MakeGroup(3, ControlMode::ReverseSeries, {{0, 0, 8, 0}, {1, 0, 8, 0}, {2, 0, 8, 0}});
    SetBytes(*wide, {0xFF, 0xFF, 0xFF});
    EXPECT_EQ(wide->GroupValue(), 32767);
}

TEST(GroupValue, ParallelIsTheSmallestFieldValue)
{
    auto group = MakeGroup(2, ControlMode::Parallel, {{0, 4, 4, 7}, {0, 0, 4, 3}, {1, 0, 4, 5}});
    EXPECT_EQ(group->GroupValue(), 3);
    auto empty = MakeGroup(1, ControlMode::Parallel, {});
    EXPECT_EQ(empty->GroupValue(), 0);
}

TEST(WriteGroupValue, SeriesWritesTheBytesBackAndReportsChange)
{
    auto series = MakeGroup(2, ControlMode::Series, {{0, 0, 8, 0}, {1, 4, 4, 0}});
    EXPECT_EQ(series->WriteGroupValue(291), GroupWriteResult::Changed);
    EXPECT_EQ(series->GetValue(0), 0x12);
    EXPECT_EQ(series->GetValue(1), 0x30);
    EXPECT_EQ(series->GroupValue(), 291);
    EXPECT_EQ(series->WriteGroupValue(291), GroupWriteResult::Unchanged);

    auto reverse = MakeGroup(2, ControlMode::ReverseSeries, {{0, 0, 8, 0}, {1, 0, 8, 0}});
    EXPECT_EQ(reverse->WriteGroupValue(0x1234), GroupWriteResult::Changed);
    EXPECT_EQ(reverse->GetValue(0), 0x34);
    EXPECT_EQ(reverse->GetValue(1), 0x12);
}

TEST(WriteGroupValue, SeriesRefusesValuesTheRegisterCannotHold)
{
    auto oneByte = MakeGroup(1, ControlMode::Series, {{0, 0, 8, 0}});
    oneByte->SetValue(9, 0);
    EXPECT_EQ(oneByte->WriteGroupValue(300), GroupWriteResult::Refused);
    EXPECT_EQ(oneByte->WriteGroupValue(-5), GroupWriteResult::Refused);
    EXPECT_EQ(oneByte->GetValue(0), 9);  // untouched
    EXPECT_EQ(oneByte->WriteGroupValue(255), GroupWriteResult::Changed);

    auto nibble = MakeGroup(1, ControlMode::Series, {{0, 4, 4, 0}});
    EXPECT_EQ(nibble->WriteGroupValue(16), GroupWriteResult::Refused);
    EXPECT_EQ(nibble->WriteGroupValue(15), GroupWriteResult::Changed);
    EXPECT_EQ(nibble->GetValue(0), 0xF0);

    auto reverse = MakeGroup(2, ControlMode::ReverseSeries, {{0, 0, 8, 0}, {1, 0, 8, 0}});
    EXPECT_EQ(reverse->WriteGroupValue(-1), GroupWriteResult::Refused);
    EXPECT_EQ(reverse->WriteGroupValue(32767), GroupWriteResult::Changed);
    EXPECT_EQ(reverse->GetValue(1), 0x7F);
}

TEST(WriteGroupValue, ParallelMovesEveryFieldByTheSameAmount)
{
    auto group = MakeGroup(2, ControlMode::Parallel, {{0, 4, 4, 3}, {0, 0, 4, 5}, {1, 0, 4, 7}});
    group->BuildValue();
    EXPECT_EQ(group->WriteGroupValue(4), GroupWriteResult::Changed);
    // the fields keep their values until they are re-extracted from the bytes
    EXPECT_EQ(FieldValue(*group, 1), 3);
    EXPECT_EQ(group->GetValue(0), 0x46);
    EXPECT_EQ(group->GetValue(1), 0x08);
    for (int i = 1; i <= 3; ++i) group->childFields.Item(i)->ExtractValue();
    EXPECT_EQ(FieldValue(*group, 1), 4);
    EXPECT_EQ(FieldValue(*group, 2), 6);
    EXPECT_EQ(FieldValue(*group, 3), 8);
    EXPECT_EQ(group->WriteGroupValue(4), GroupWriteResult::Unchanged);
}

TEST(WriteGroupValue, ParallelRefusesAValuePushingAFieldPastItsWidth)
{
    auto group = MakeGroup(1, ControlMode::Parallel, {{0, 4, 4, 3}, {0, 0, 4, 14}});
    group->BuildValue();
    EXPECT_EQ(group->WriteGroupValue(5), GroupWriteResult::Refused);   // 14 + 2 = 16 needs five bits
    EXPECT_EQ(group->WriteGroupValue(-1), GroupWriteResult::Refused);  // 3 - 4 is below zero
    EXPECT_EQ(group->GetValue(0), 0x3E);
    EXPECT_EQ(FieldValue(*group, 1), 3);
    EXPECT_EQ(FieldValue(*group, 2), 14);
    EXPECT_EQ(group->WriteGroupValue(4), GroupWriteResult::Changed);
    EXPECT_EQ(group->GetValue(0), 0x4F);
}

TEST(ValueBox, SetsOneByteFromDecimalText)
{
    auto group = MakeGroup(2, ControlMode::Series, {{0, 0, 8, 0}, {1, 0, 8, 0}});
    SetBytes(*group, {1, 2});
    EXPECT_EQ(group->SetValueBoxByte(1, "200"), GroupWriteResult::Changed);
    EXPECT_EQ(group->GetValue(1), 200);
    EXPECT_EQ(group->SetValueBoxByte(1, "200"), GroupWriteResult::Unchanged);
    EXPECT_EQ(group->SetValueBoxByte(1, "&HFF"), GroupWriteResult::Unchanged);  // not decimal: the byte stays
    // not a byte: refused, so the caller redraws the box with the byte it holds
    EXPECT_EQ(group->SetValueBoxByte(1, "300"), GroupWriteResult::Refused);
    EXPECT_EQ(group->SetValueBoxByte(1, "-1"), GroupWriteResult::Refused);
    EXPECT_EQ(group->GetValue(1), 200);
    EXPECT_EQ(group->GetValue(0), 1);
}

TEST(ParallelScrollMax, IsTheControlMaxLessTheFieldSpread)
{
    auto group = MakeGroup(1, ControlMode::Parallel, {{0, 4, 4, 3}, {0, 0, 4, 9}});
    ControlRecord scroll;
    scroll.controlType = ControlType::Scrollbar;
    scroll.max = 15;
    EXPECT_EQ(group->ParallelScrollMax(scroll), 9);
}

TEST(RegisterAddress, BytesFollowTheHexAddress)
{
    auto group = MakeGroup(2, ControlMode::Series, {});
    EXPECT_EQ(group->ByteAddress(0), 0x3F);
    EXPECT_EQ(group->ByteAddress(1), 0x40);
    EXPECT_EQ(group->ByteAddressLabel(1), "40");
    group->address = "5";
    EXPECT_EQ(group->ByteAddressLabel(0), "05");
    group->address = "zz";  // unreadable counts as 0
    EXPECT_EQ(group->ByteAddress(1), 1);
    EXPECT_EQ(group->ByteAddressLabel(1), "01");
    group->address = "7FFF";
    EXPECT_THROW(group->ByteAddress(1), ModelError);
}
