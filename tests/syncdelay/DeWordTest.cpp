#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeWord.h"
#include "PortAccessMessage.h"
#include "RecordingPorts.h"

using namespace syncdelay;

namespace {

// Every data-register write must be followed by 1, 0, 1 on the control
// register; returns the data writes alone.
std::vector<int> DataWritesCheckingStrobes(const RecordingPorts& ports)
{
    std::vector<int> data;
    const auto& writes = ports.writes;
    for (size_t i = 0; i < writes.size(); i += 4) {
        EXPECT_EQ(writes[i].first, 888) << "write " << i;
        data.push_back(writes[i].second);
        for (size_t k = 1; k <= 3; ++k) {
            EXPECT_LT(i + k, writes.size()) << "no strobe after write " << i;
            if (i + k >= writes.size()) return data;
            EXPECT_EQ(writes[i + k], (std::pair<uint16_t, uint16_t>{890, k == 2 ? 0 : 1})) << "write " << i + k;
        }
    }
    return data;
}

}  // namespace

TEST(ShiftOutWord, AllOnesAndAllZerosGiveTheirDataSequencesUnderOneClaim)
{
    RecordingPorts ones;
    ShiftOutWord(ones, std::string(16, '1'));
    std::vector<int> expected{24};
    for (int i = 0; i < 16; ++i) expected.insert(expected.end(), {25, 24});
    expected.push_back(28);
    EXPECT_EQ(DataWritesCheckingStrobes(ones), expected);
    EXPECT_EQ(ones.claims, 1);

    RecordingPorts zeros;
    ShiftOutWord(zeros, std::string(16, '0'));
    expected = {24, 26, 27, 26};
    for (int i = 0; i < 15; ++i) expected.insert(expected.end(), {27, 26});
    expected.push_back(28);
    EXPECT_EQ(DataWritesCheckingStrobes(zeros), expected);
}

TEST(ShiftOutWord, TheLineChangesOnlyBetweenBitsThatDifferAndTheLastCharacterGoesFirst)
{
    RecordingPorts ports;
    ShiftOutWord(ports, "0000000000000011");  // "1", "1", then fourteen "0"
    std::vector<int> expected{24, 25, 24, 25, 24, 26};
    for (int i = 0; i < 14; ++i) expected.insert(expected.end(), {27, 26});
    expected.push_back(28);
    EXPECT_EQ(DataWritesCheckingStrobes(ports), expected);
}

TEST(DeWordBits, BitStringsAndTheWordOfTheStartSettings)
{
    EXPECT_EQ(BitString(64, 8), "00000010");
    EXPECT_EQ(BitString(16, 6), "000010");
    EXPECT_EQ(BitString(0x1FF, 8), "11111111");  // bits beyond the count are left out
    EXPECT_EQ(DeWordBits(64, 16, true, true), "0000001000001011");
    EXPECT_EQ(DeWordBits(255, 63, false, false), "1111111111111100");
    EXPECT_EQ(DeWordBits(1, 0, true, false), "1000000000000010");
}

TEST(PortAccessMessage, FailuresAndTheAutomaticFallBackAreToldANamedBackendIsNot)
{
    const std::string note = "No parallel port can be used (...). Port I/O goes to the simulated board /tmp/b.";
    EXPECT_EQ(PortAccessMessage(note, false, false), note);
    EXPECT_EQ(PortAccessMessage(note, false, true), std::nullopt);
    EXPECT_EQ(PortAccessMessage("Port access failed: x", true, true), "Port access failed: x");
    EXPECT_EQ(PortAccessMessage(std::nullopt, false, false), std::nullopt);  // real hardware
}
