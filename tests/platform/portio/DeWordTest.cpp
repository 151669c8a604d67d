#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "DeShiftRegister.h"
#include "SimPorts.h"
#include "TempDir.h"

using namespace portio;

namespace {

struct DeWordFixture : ::testing::Test {
    TempDir dir;
    SimPorts ports{dir.file("board")};

    // One data-register write followed by the strobe pulse (1, 0, 1 on the
    // control register), as the data-enable program writes.
    void Write(int data)
    {
        ports.Out2(888, static_cast<uint16_t>(data));
        for (int control : {1, 0, 1}) ports.Out2(890, static_cast<uint16_t>(control));
    }

    // The sender's shift: characters from the last to the first, a "1"
    // driving the data line low, the line changed only while the clock is low.
    void ShiftOutWord(const std::string& bits)
    {
        int data = 24;
        Write(data);
        char level = '0';
        for (size_t i = bits.size(); i-- > 0;) {
            const char wanted = bits[i] == '1' ? '0' : '1';
            if (wanted != level) {
                data += wanted == '1' ? 2 : -2;
                Write(data);
                level = wanted;
            }
            Write(data + 1);
            Write(data);
        }
        Write(28);
    }

    std::string LatchedString() { return DeWordString(ports.board().LastDeWord().word); }
};

}  // namespace

TEST_F(DeWordFixture, TheExampleWordKeepsItsCharacterOrder)
{
    ShiftOutWord("0000001000001011");
    EXPECT_EQ(LatchedString(), "0000001000001011");
    // Hsync delay 64 in bits 0-7, Vsync delay 16 in bits 8-13, both polarities high.
    EXPECT_EQ(ports.board().LastDeWord().word, 64 | 16 << 8 | 1 << 14 | 1 << 15);
    EXPECT_EQ(ports.board().LastDeWord().latchCount, 1u);
}

TEST_F(DeWordFixture, AllOnesAndAllZerosFromTheirPortSequences)
{
    // Sixteen "1": the data line stays low, 24, then sixteen pairs 25, 24, then 28.
    std::vector<int> ones{24};
    for (int i = 0; i < 16; ++i) ones.insert(ones.end(), {25, 24});
    ones.push_back(28);
    for (int data : ones) Write(data);
    EXPECT_EQ(LatchedString(), std::string(16, '1'));

    // Sixteen "0": 24, then 26 (line high), 27, 26, then fifteen pairs 27, 26, then 28.
    std::vector<int> zeros{24, 26, 27, 26};
    for (int i = 0; i < 15; ++i) zeros.insert(zeros.end(), {27, 26});
    zeros.push_back(28);
    for (int data : zeros) Write(data);
    EXPECT_EQ(LatchedString(), std::string(16, '0'));
    EXPECT_EQ(ports.board().LastDeWord().latchCount, 2u);
}

TEST_F(DeWordFixture, OnlyTheLastSixteenBitsBeforeTheLatchCount)
{
    EXPECT_EQ(ports.board().LastDeWord().latchCount, 0u);
    ShiftOutWord("11110000111100001010");  // twenty bits: the first four shifted out fall off
    EXPECT_EQ(LatchedString(), "1111000011110000");
}
