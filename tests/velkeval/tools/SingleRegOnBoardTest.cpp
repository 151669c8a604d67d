#include <QPushButton>

#include "I2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"
#include "SingleRegFixture.h"
#include "TempDir.h"

using namespace velk;
using namespace singlereg;

namespace {

// The window with a real parallel-port link on the simulated board, made
// the way the main window makes its own: configured for LPT 1 and connected
// to the device's address.
struct SingleRegOnBoard : ::testing::Test {
    TempDir dir;
    portio::SimPorts ports{dir.file("board")};
    ScriptedDialogs dialogs;
    DeviceRecord device{"Panel", "10011000", "1001100x"};
    frmSingleReg window{nullptr, [this] {
                            auto link = std::make_shared<I2CDevInterface>(dialogs, ports);
                            link->Configure("LPTPORT", int64_t{888});
                            link->Connect(static_cast<int16_t>(device.BusAddress()));
                            return link;
                        }};

    void SetUp() override
    {
        window.show();
        window.Init(&device);
    }
};

TEST_F(SingleRegOnBoard, LoadWritesTheChipAndReadGetsItBack)
{
    TypeInto(window.txtRegAddr(), "2A");
    TypeInto(window.txtValue(), "171");
    Click(window.cmdLoad());
    EXPECT_EQ(ports.board().Registers(0x4C)[0x2A], 171);

    ports.board().SetRegister(0x4C, 0x2A, 0x5E);
    Click(window.cmbRead());
    EXPECT_EQ(window.txtValue().text(), "94");
    EXPECT_EQ(ValueBits(window), "01011110");
}

TEST_F(SingleRegOnBoard, AnAddressBitClickTalksToTheOtherChip)
{
    Click(window.txtAddrBit(1));  // 10011010: the chip at 0x4D
    TypeInto(window.txtRegAddr(), "3");
    TypeInto(window.txtValue(), "66");
    Click(window.cmdLoad());
    EXPECT_EQ(ports.board().Registers(0x4D)[3], 66);
    EXPECT_EQ(ports.board().Registers(0x4C)[3], 0);
}

}  // namespace
