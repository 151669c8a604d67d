#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <QTest>

#include "SingleRegFixture.h"

using namespace velk;
using namespace singlereg;
using Calls = std::vector<std::string>;

namespace {

// The window over recording links: every link the factory made is kept, so
// a test can look at the calls of an old link after a new one took over.
void PasteInto(QLineEdit& box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
}

struct SingleRegWindow : ::testing::Test {
    ScriptedDialogs dialogs;
    std::vector<std::shared_ptr<RecordingLink>> links;
    frmSingleReg window{nullptr, [this] {
                            links.push_back(std::make_shared<RecordingLink>(dialogs));
                            return links.back();
                        }};

    void SetUp() override
    {
        window.show();
        window.Init(nullptr);
    }
    RecordingLink& link() { return *links.back(); }
    // The calls of the current link after its creation.
    Calls calls() { return link().calls; }
};

TEST_F(SingleRegWindow, InitShowsTheDeviceAddressAndReplacesTheLink)
{
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(AddressBits(window), "00000000");
    EXPECT_EQ(window.link(), links[0]);

    TypeInto(window.txtRegAddr(), "1A");
    TypeInto(window.txtValue(), "200");
    DeviceRecord device{"Panel", "10011000", "1001100x"};
    window.Init(&device);

    EXPECT_EQ(AddressBits(window), "10011000");
    EXPECT_EQ(window.txtAddrBit(7).text(), "1");
    EXPECT_EQ(window.txtAddrBit(0).text(), "0");
    EXPECT_EQ(window.txtRegAddr().text(), "0");
    EXPECT_EQ(window.txtValue().text(), "0");
    EXPECT_EQ(ValueBits(window), "00000000");
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0]->calls, Calls{"Disconnect"});
    EXPECT_TRUE(links[1]->calls.empty());
    EXPECT_EQ(window.link(), links[1]);

    // Nothing is written by Init, even with writing on change.
    window.chkAutoLoad().setChecked(true);
    window.Init(&device);
    EXPECT_TRUE(links[1]->calls == Calls{"Disconnect"});
}

TEST_F(SingleRegWindow, AnAddressThatIsNotEightDigitsShowsZeros)
{
    DeviceRecord empty;
    window.Init(&empty);
    EXPECT_EQ(AddressBits(window), "00000000");
}

TEST_F(SingleRegWindow, RegisterAddressIsLimitedToAByteInUpperCaseHex)
{
    TypeInto(window.txtRegAddr(), "1FF");
    EXPECT_EQ(window.txtRegAddr().text(), "FF");
    TypeInto(window.txtRegAddr(), "3c");
    EXPECT_EQ(window.txtRegAddr().text(), "3C");
    // Not a hexadecimal digit: the address stays.
    TypeInto(window.txtRegAddr(), "g");
    EXPECT_EQ(window.txtRegAddr().text(), "3C");
    // Four digits are not a negative address.
    TypeInto(window.txtRegAddr(), "FFFF");
    EXPECT_EQ(window.txtRegAddr().text(), "FF");

    TypeInto(window.txtRegAddr(), "2a");
    Click(window.cmdLoad());
    EXPECT_EQ(calls(), Calls{"WriteByte 42 0"});
}

TEST_F(SingleRegWindow, ValueIsLimitedAndShownInTheBits)
{
    TypeInto(window.txtValue(), "300");
    EXPECT_EQ(window.txtValue().text(), "255");
    EXPECT_EQ(ValueBits(window), "11111111");

    TypeInto(window.txtValue(), "5");
    EXPECT_EQ(ValueBits(window), "00000101");
    TypeInto(window.txtValue(), "99999");
    EXPECT_EQ(window.txtValue().text(), "255");
    // Typing a "-" alone is refused; a pasted negative number is limited.
    PasteInto(window.txtValue(), "-7");
    EXPECT_EQ(window.txtValue().text(), "0");
    EXPECT_EQ(ValueBits(window), "00000000");

    // Text that is not a number puts the value back.
    TypeInto(window.txtValue(), "18");
    TypeInto(window.txtValue(), "x");
    EXPECT_EQ(window.txtValue().text(), "18");
    EXPECT_EQ(ValueBits(window), "00010010");
    EXPECT_TRUE(calls().empty());
}

TEST_F(SingleRegWindow, LoadRegisterOnChangeWritesEveryValueChange)
{
    window.chkAutoLoad().setChecked(true);
    TypeInto(window.txtRegAddr(), "10");
    TypeInto(window.txtValue(), "42");
    Click(window.txtBit(7));
    EXPECT_EQ(window.txtValue().text(), "170");
    EXPECT_EQ(calls(), (Calls{"WriteByte 16 4", "WriteByte 16 42", "WriteByte 16 170"}));

    window.chkAutoLoad().setChecked(false);
    Click(window.txtBit(1));
    TypeInto(window.txtValue(), "9");
    EXPECT_EQ(window.txtValue().text(), "9");
    EXPECT_EQ(calls().size(), 3u);
}

TEST_F(SingleRegWindow, ValueBitsToggleAndBuildTheValue)
{
    Click(window.txtBit(0));
    Click(window.txtBit(7));
    EXPECT_EQ(window.txtValue().text(), "129");
    EXPECT_EQ(ValueBits(window), "10000001");
    Click(window.txtBit(0));
    EXPECT_EQ(window.txtValue().text(), "128");
    Click(window.cmdLoad());
    EXPECT_EQ(calls(), Calls{"WriteByte 0 128"});
}

TEST_F(SingleRegWindow, AddressBitClickReconnectsWithTheNewAddress)
{
    Click(window.txtAddrBit(7));
    EXPECT_EQ(AddressBits(window), "10000000");
    EXPECT_EQ(calls(), (Calls{"Disconnect", "Connect 128"}));
    Click(window.txtAddrBit(3));
    Click(window.txtAddrBit(7));
    EXPECT_EQ(AddressBits(window), "00001000");
    EXPECT_EQ(calls().back(), "Connect 8");
    EXPECT_EQ(calls().size(), 6u);
}

TEST_F(SingleRegWindow, ReadShowsTheValueAndWritesItBackOnChange)
{
    TypeInto(window.txtRegAddr(), "5");
    link().readValue = 0xA5;
    Click(window.cmbRead());
    EXPECT_EQ(window.txtValue().text(), "165");
    EXPECT_EQ(ValueBits(window), "10100101");
    EXPECT_EQ(calls(), Calls{"ReadByte 5"});

    window.chkAutoLoad().setChecked(true);
    link().readValue = 7;
    Click(window.cmbRead());
    EXPECT_EQ(window.txtValue().text(), "7");
    EXPECT_EQ(calls(), (Calls{"ReadByte 5", "ReadByte 5", "WriteByte 5 7"}));
}

TEST_F(SingleRegWindow, LinkFailuresEndTheActionWithoutAMessage)
{
    TypeInto(window.txtValue(), "33");
    link().failing = true;
    link().readValue = 99;
    Click(window.cmbRead());
    Click(window.cmdLoad());
    window.chkAutoLoad().setChecked(true);
    Click(window.txtBit(6));
    EXPECT_EQ(window.txtValue().text(), "97");
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(SingleRegWindow, CloseDisconnectsDropsTheLinkAndHides)
{
    std::shared_ptr<RecordingLink> held = links.back();
    Click(window.cmbClose());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.link(), nullptr);
    EXPECT_EQ(held->calls, Calls{"Disconnect"});
    // Without a link the actions do nothing.
    Click(window.cmdLoad());
    Click(window.txtAddrBit(0));
    EXPECT_EQ(held->calls.size(), 1u);

    window.show();
    window.Init(nullptr);
    EXPECT_EQ(window.link(), links.back());
    EXPECT_EQ(held->calls.size(), 1u);
    window.close();
    EXPECT_EQ(window.link(), nullptr);
    EXPECT_EQ(links.back()->calls, Calls{"Disconnect"});
}

TEST_F(SingleRegWindow, AFailingFactoryLeavesNoLink)
{
    frmSingleReg broken{nullptr, []() -> std::shared_ptr<DevInterface> { throw std::runtime_error("no link"); }};
    broken.Init(nullptr);
    EXPECT_EQ(broken.link(), nullptr);
    Click(broken.cmbRead());
    EXPECT_EQ(broken.txtValue().text(), "0");
}

}  // namespace
