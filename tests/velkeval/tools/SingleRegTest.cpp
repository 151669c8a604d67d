#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "RecordingLink.h"
#include "ScriptedDialogs.h"
#include "SingleRegFixture.h"

using namespace velk;
using namespace singlereg;
using Calls = std::vector<std::string>;

namespace {

// The window over recording links; every link the factory made is kept, so
// a test can look at an old link after a new one took over.
struct SingleRegWindow : ::testing::Test {
    ScriptedDialogs dialogs;
    std::vector<std::shared_ptr<RecordingLink>> links;
    frmSingleReg window{nullptr, [this] { return links.emplace_back(std::make_shared<RecordingLink>(dialogs)); }};

    void SetUp() override
    {
        window.show();
        window.Init(nullptr);
    }
    const Calls& calls() { return links.back()->calls; }
};

TEST_F(SingleRegWindow, InitShowsTheDeviceAddressAndReplacesTheLink)
{
    EXPECT_EQ(window.windowTitle(), "Load / Read Register");
    EXPECT_EQ(AddressBits(window), "00000000");
    TypeInto(window.txtRegAddr(), "1A");
    TypeInto(window.txtValue(), "200");
    window.chkAutoLoad().setChecked(true);
    DeviceRecord device{"Panel", "10011000", "1001100x"};
    window.Init(&device);

    EXPECT_EQ(AddressBits(window), "10011000");
    EXPECT_EQ(window.txtRegAddr().text(), "0");
    EXPECT_EQ(window.txtValue().text(), "0");
    EXPECT_EQ(ValueBits(window), "00000000");
    ASSERT_EQ(links.size(), 2u);
    // The old link is let go without a write of the cleared value.
    EXPECT_EQ(links[0]->calls, Calls{"Disconnect"});
    EXPECT_TRUE(links[1]->calls.empty());
    EXPECT_EQ(window.link(), links[1]);

    DeviceRecord noAddress;
    window.Init(&noAddress);
    EXPECT_EQ(AddressBits(window), "00000000");
}

TEST_F(SingleRegWindow, RegisterAddressIsLimitedToAByteInUpperCaseHex)
{
    TypeInto(window.txtRegAddr(), "1FF");
    EXPECT_EQ(window.txtRegAddr().text(), "FF");
    TypeInto(window.txtRegAddr(), "3c");
    EXPECT_EQ(window.txtRegAddr().text(), "3C");
    TypeInto(window.txtRegAddr(), "g");  // not a digit: the address stays
    EXPECT_EQ(window.txtRegAddr().text(), "3C");
    TypeInto(window.txtRegAddr(), "FFFF");  // not read as -1
    EXPECT_EQ(window.txtRegAddr().text(), "FF");
    TypeInto(window.txtRegAddr(), "2a");
    Click(window.cmdLoad());
    EXPECT_EQ(calls(), Calls{"WriteByte 42 0"});
}

TEST_F(SingleRegWindow, ValueIsLimitedAndShownInTheBitsWhileTheTypedTextStays)
{
    TypeInto(window.txtValue(), "300");
    EXPECT_EQ(window.txtValue().text(), "300");
    EXPECT_EQ(ValueBits(window), "11111111");
    TypeInto(window.txtValue(), "012");
    EXPECT_EQ(window.txtValue().text(), "012");
    EXPECT_EQ(ValueBits(window), "00001100");
    TypeInto(window.txtValue(), "99999");
    EXPECT_EQ(window.txtValue().text(), "99999");
    EXPECT_EQ(ValueBits(window), "11111111");
    // A "-" typed alone is refused; a pasted negative number is limited.
    QGuiApplication::clipboard()->setText("-7");
    window.txtValue().selectAll();
    QTest::keyClick(&window.txtValue(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.txtValue().text(), "-7");
    EXPECT_EQ(ValueBits(window), "00000000");

    TypeInto(window.txtValue(), "18");
    TypeInto(window.txtValue(), "x");  // not a number: the value is put back
    EXPECT_EQ(window.txtValue().text(), "18");
    EXPECT_EQ(ValueBits(window), "00010010");
    EXPECT_TRUE(calls().empty());
}

TEST_F(SingleRegWindow, ValueBitsBuildTheValueAndLoadRegisterOnChangeWritesIt)
{
    TypeInto(window.txtRegAddr(), "10");
    TypeInto(window.txtValue(), "42");
    Click(window.txtBit(7));
    EXPECT_EQ(window.txtValue().text(), "170");
    Click(window.txtBit(1));
    EXPECT_EQ(ValueBits(window), "10101000");
    EXPECT_TRUE(calls().empty());

    window.chkAutoLoad().setChecked(true);
    Click(window.txtBit(0));
    TypeInto(window.txtValue(), "9");
    EXPECT_EQ(calls(), (Calls{"WriteByte 16 169", "WriteByte 16 9"}));
}

TEST_F(SingleRegWindow, AddressBitClickReconnectsWithTheNewAddress)
{
    Click(window.txtAddrBit(7));
    EXPECT_EQ(AddressBits(window), "10000000");
    EXPECT_EQ(calls(), (Calls{"Disconnect", "Connect 128"}));
    Click(window.txtAddrBit(3));
    Click(window.txtAddrBit(7));
    EXPECT_EQ(AddressBits(window), "00001000");
    EXPECT_EQ(calls(), (Calls{"Disconnect", "Connect 128", "Disconnect", "Connect 136", "Disconnect", "Connect 8"}));
}

TEST_F(SingleRegWindow, ReadShowsTheValueAndWritesItBackOnChange)
{
    TypeInto(window.txtRegAddr(), "5");
    links.back()->readValue = 0xA5;
    Click(window.cmbRead());
    EXPECT_EQ(window.txtValue().text(), "165");
    EXPECT_EQ(ValueBits(window), "10100101");

    window.chkAutoLoad().setChecked(true);
    links.back()->readValue = 7;
    Click(window.cmbRead());
    EXPECT_EQ(window.txtValue().text(), "7");
    EXPECT_EQ(calls(), (Calls{"ReadByte 5", "ReadByte 5", "WriteByte 5 7"}));
}

TEST_F(SingleRegWindow, LinkFailuresEndTheActionWithoutAMessage)
{
    TypeInto(window.txtValue(), "33");
    links.back()->failing = true;
    links.back()->readValue = 99;
    Click(window.cmbRead());
    Click(window.cmdLoad());
    window.chkAutoLoad().setChecked(true);
    Click(window.txtBit(6));
    EXPECT_EQ(window.txtValue().text(), "97");
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(dialogs.messages().empty());

    frmSingleReg noLink{nullptr, []() -> std::shared_ptr<DevInterface> { throw std::runtime_error("no link"); }};
    noLink.Init(nullptr);
    EXPECT_EQ(noLink.link(), nullptr);
    Click(noLink.cmbRead());
    EXPECT_EQ(noLink.txtValue().text(), "0");
}

TEST_F(SingleRegWindow, CloseDisconnectsDropsTheLinkAndHides)
{
    const std::shared_ptr<RecordingLink> held = links.back();
    Click(window.cmbClose());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.link(), nullptr);
    Click(window.cmdLoad());  // without a link: nothing
    EXPECT_EQ(held->calls, Calls{"Disconnect"});

    // Closed by its frame it lets the link go as well.
    window.show();
    window.Init(nullptr);
    window.close();
    EXPECT_EQ(window.link(), nullptr);
    EXPECT_EQ(links.back()->calls, Calls{"Disconnect"});
    EXPECT_EQ(held->calls.size(), 1u);
}

}  // namespace
