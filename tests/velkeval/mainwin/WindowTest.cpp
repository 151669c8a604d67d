#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include "PageTabBar.h"
#include <QTest>

#include "ControlType.h"
#include "DescriptionLoader.h"
#include "LinkError.h"
#include "QtColours.h"
#include "Twips.h"
#include "WindowCommands.h"
#include "WindowOnBoard.h"

using namespace velk;

namespace {

// A register of four full-byte fields at address: a band of 1450 twips.
GroupSpec FourFieldRegister(const std::string& name, const std::string& address)
{
    GroupSpec plan{name, address, 4, {}};
    for (int16_t byte = 0; byte < 4; ++byte)
        plan.fields.emplace_back(name + "F" + std::to_string(byte), byte, 0, 8);
    return plan;
}

int TwipsHeight(const QWidget& widget) { return ToTwips(widget.height()); }

}  // namespace

TEST_F(WindowOnBoard, FurnitureStandsAtItsDesignPlaces)
{
    EXPECT_EQ(window.windowTitle(), "Ketra Vexcon");
    EXPECT_EQ(window.width(), ToPixels(7140));
    const auto& f = window.furniture();
    EXPECT_EQ(f.cmdLoad->text(), "Load");
    EXPECT_EQ(f.cmdLoad->geometry(), TwipsRect(3255, 105, 855, 330));
    EXPECT_EQ(f.cmbRead->text(), "Read");
    EXPECT_EQ(f.cmbRead->geometry(), TwipsRect(4200, 105, 855, 330));
    EXPECT_EQ(f.lblAutoLoad->text(), "Load Register On Change");
    EXPECT_FALSE(f.chkAutoLoad->isChecked());
    QTest::mouseClick(f.lblAutoLoad, Qt::LeftButton);  // the caption toggles the box
    EXPECT_TRUE(f.chkAutoLoad->isChecked());
    EXPECT_TRUE(state.loadOnChange);
    EXPECT_EQ(f.lblCnt->text(), "0");
    // Bits 7 .. 0 from left to right, with the wider gap between bits 4 and 3.
    EXPECT_EQ(f.txtAddrBit[7]->geometry(), TwipsRect(1365, 105, 195, 300));
    EXPECT_EQ(f.txtAddrBit[3]->x() - f.txtAddrBit[4]->x(), ToPixels(315));
    EXPECT_EQ(f.txtAddrBit[0]->geometry(), TwipsRect(2940, 105, 195, 300));
    EXPECT_EQ(f.tabs->count(), 1);
    EXPECT_EQ(f.tabs->tabText(0), "Tab1");
    EXPECT_EQ(f.tabs->tabData(0).toString(), "key1");
    EXPECT_EQ(view.pageHeight(1), 8020);
}

TEST_F(WindowOnBoard, DoResizeKeepsTheWidthAndTheMinimumHeightAndSizesTheView)
{
    window.resize(ToPixels(9000), ToPixels(1000));
    QTest::qWait(0);
    EXPECT_EQ(window.width(), ToPixels(7140));
    EXPECT_EQ(TwipsHeight(window), 3000);

    window.resize(window.width(), ToPixels(6000));
    QTest::qWait(0);
    const auto& f = window.furniture();
    EXPECT_EQ(f.tabControls->height(), ToPixels(6000 - 1200));
    EXPECT_EQ(f.clipFrame->height(), ToPixels(6000 - 1900));
    EXPECT_EQ(f.frameScroll->height(), ToPixels(6000 - 1900));
    EXPECT_EQ(view.clipHeight(), 6000 - 1900);
}

TEST_F(WindowOnBoard, APageIsNeverScrolledBeyondItsEnd)
{
    ConnectDevice();
    for (int i = 0; i < 5; ++i) AddGroup(state, FourFieldRegister("R" + std::to_string(i), std::to_string(10 + 4 * i)));
    window.resize(window.width(), ToPixels(5000));
    QTest::qWait(0);
    ASSERT_EQ(view.layout.pageCount(), 1);
    const int pageEnd = view.layout.pageBottom(1) + 20;  // 5 bands of 1450, + 20 + 20
    EXPECT_EQ(pageEnd, 5 * 1450 + 40);

    QScrollBar& bar = *window.furniture().frameScroll;
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.maximum(), pageEnd - view.clipHeight());
    bar.setValue(bar.maximum());  // scrolled to the end
    EXPECT_EQ(view.pageTop(1), -(pageEnd - view.clipHeight()));

    window.resize(window.width(), ToPixels(7000));  // taller: the last band stays at the bottom edge
    QTest::qWait(0);
    ASSERT_EQ(view.clipHeight(), TwipsHeight(window) - 1900);
    EXPECT_EQ(view.pageTop(1), -(pageEnd - view.clipHeight()));
    EXPECT_EQ(bar.maximum(), pageEnd - view.clipHeight());

    window.resize(window.width(), ToPixels(pageEnd + 1900));  // the page fits: back to the top, no scroll bar
    QTest::qWait(0);
    EXPECT_EQ(view.pageTop(1), 0);
    EXPECT_FALSE(bar.isVisible());
}

TEST_F(WindowOnBoard, AMaximisedWindowBecomesANormalOneAsTallAsTheWorkArea)
{
    window.showMaximized();
    QTest::qWait(50);
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.y(), 0);
    EXPECT_EQ(window.height(), window.screen()->availableGeometry().height());
    EXPECT_EQ(window.width(), ToPixels(7140));
}

TEST_F(WindowOnBoard, PagesFollowThePageHeightAndTheTabs)
{
    ConnectDevice();
    for (int i = 0; i < 6; ++i) AddGroup(state, FourFieldRegister("R" + std::to_string(i), std::to_string(10 + 4 * i)));
    window.ReapplyMaxHeight();  // "Tall": 9000, six bands of 1450 fit one page
    QTabBar& tabs = *window.furniture().tabs;
    EXPECT_EQ(tabs.count(), 1);
    EXPECT_EQ(tabs.tabText(0), "10 - 33");

    window.mnuMaxHeightClick(0);  // "Short": two bands a page
    EXPECT_EQ(window.checkedMaxHeight(), 0);
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.tabText(0), "10 - 17");
    EXPECT_EQ(tabs.tabText(2), "26 - 33");
    EXPECT_EQ(view.layout.currentPage, 3);  // the last page added is shown
    EXPECT_TRUE(view.page(3).isVisible());
    const auto last = state.allGroups.Item(6);
    EXPECT_EQ(last->frame, 3);
    EXPECT_EQ(view.element(WidgetOf(*Control(last->controls, ControlType::ValueBox))).page, 3);
    EXPECT_TRUE(view.realWidget(WidgetOf(*Control(last->controls, ControlType::ValueBox)))->isVisible());

    // A click on tab 1 shows page 1 with the first two registers.
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(0).center());
    EXPECT_EQ(view.layout.currentPage, 1);
    EXPECT_TRUE(view.page(1).isVisible());
    EXPECT_FALSE(view.page(3).isVisible());
    const auto first = state.allGroups.Item(1);
    EXPECT_TRUE(view.realWidget(WidgetOf(*Control(first->controls, ControlType::ValueBox)))->isVisible());
    EXPECT_EQ(view.realWidget(WidgetOf(*Control(last->controls, ControlType::ValueBox))), nullptr);  // off screen

    // The checked entry again changes nothing.
    const int heightBefore = window.height();
    window.mnuMaxHeightClick(0);
    EXPECT_EQ(tabs.count(), 3);
    EXPECT_EQ(window.height(), heightBefore);

    window.mnuMaxHeightClick(3);  // "No Tabs"
    EXPECT_EQ(tabs.count(), 1);
    EXPECT_EQ(tabs.tabText(0), "10 - 33");
}

TEST_F(WindowOnBoard, ClearAllLeavesOneEmptyPageAndTheTemplates)
{
    ConnectDevice();
    for (int i = 0; i < 6; ++i) AddGroup(state, FourFieldRegister("R" + std::to_string(i), std::to_string(10 + 4 * i)));
    window.mnuMaxHeightClick(0);
    ClearWindow(state, window);
    EXPECT_EQ(window.furniture().tabs->count(), 1);
    EXPECT_EQ(window.furniture().tabs->tabText(0), "Tab1");
    EXPECT_TRUE(view.store().onPage(1).empty());
    EXPECT_TRUE(view.page(1).findChildren<QWidget*>().isEmpty());
    EXPECT_FALSE(state.devInterface);
    // The view can be built again, reusing the templates.
    ConnectDevice();
    const auto group = AddGroup(state, FourFieldRegister("Again", "40"));
    EXPECT_EQ(Control(group->controls, ControlType::ValueBox)->Index, 0);
    EXPECT_TRUE(view.realWidget(WidgetOf(*Control(group->controls, ControlType::ValueBox)))->isVisible());
}

TEST_F(WindowOnBoard, AddressBitsFollowThePatternAndAClickReconnects)
{
    SetDevice(state, "Panel", "10010110", "1001xxx0");
    ports.board().SetAnswering(portio::AnsweringSet().set(0x4B).set(0x4A));
    auto link = std::make_shared<I2CDevInterface>(dialogs, ports);
    link->Configure("LPTPORT", int64_t{888});
    link->Connect(0x96);
    state.devInterface = link;
    window.BuildAddress();

    const auto& bits = window.furniture().txtAddrBit;
    const std::string expected = "10010110";  // bits 7 .. 0
    for (int bit = 0; bit < 8; ++bit) {
        SCOPED_TRACE("bit " + std::to_string(bit));
        EXPECT_EQ(bits[bit]->text().toStdString(), std::string(1, expected[7 - bit]));
        const bool editable = bit >= 1 && bit <= 3;
        EXPECT_EQ(bits[bit]->isEnabled(), editable);
        EXPECT_EQ(bits[bit]->palette().color(QPalette::Window), editable ? QColor(255, 255, 255) : QColor(255, 255, 200));
    }

    QTest::mouseClick(bits[0], Qt::LeftButton);  // fixed by the pattern: nothing happens
    EXPECT_EQ(state.currentDevice->currAddress, "10010110");
    QTest::mouseClick(bits[1], Qt::LeftButton);
    EXPECT_EQ(bits[1]->text(), "0");
    EXPECT_EQ(state.currentDevice->currAddress, "10010100");
    state.devInterface->WriteByte(5, 0x77);  // the link now talks to 0x94 (0x4A on the bus)
    EXPECT_EQ(ports.board().Registers(0x4A)[5], 0x77);
    EXPECT_EQ(ports.board().Registers(0x4B)[5], 0);
}

namespace {

// A link whose reads and writes fail from one register on.
class FailingLink : public DevInterface {
public:
    FailingLink(UserDialogs& dialogs, int16_t failFrom) : DevInterface(dialogs), failFrom_(failFrom) {}
    bool isConnected() const override { return true; }
    uint8_t ReadByte(int16_t reg) override
    {
        Check(reg);
        return static_cast<uint8_t>(reg + 1);
    }
    void WriteByte(int16_t reg, int16_t) override { Check(reg); }

private:
    void Check(int16_t reg) const
    {
        if (reg >= failFrom_) throw LinkError("no answer");
    }
    int16_t failFrom_;
};

}  // namespace

TEST_F(WindowOnBoard, ReadAndLoadStopAtTheFirstFailingRegisterWithAMessage)
{
    SetDevice(state, "Panel", "10011000", "10011000");
    const auto first = AddGroup(state, {"First", "10", 1, {{"A", 0, 0, 8}}});
    const auto second = AddGroup(state, {"Second", "20", 1, {{"B", 0, 0, 8}}});
    const auto third = AddGroup(state, {"Third", "30", 1, {{"C", 0, 0, 8}}});
    state.devInterface = std::make_shared<FailingLink>(dialogs, 0x20);

    QTest::mouseClick(window.furniture().cmbRead, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Error Reading Values from device Panel");
    EXPECT_EQ(dialogs.messages()[0].text, "Unable to communicate with the Panel");
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(first->GetValue(0), 0x11);  // read before the failure
    EXPECT_EQ(Shown(*Control(first->controls, ControlType::ValueBox)), "17");
    EXPECT_EQ(third->GetValue(0), 0);

    QTest::mouseClick(window.furniture().cmdLoad, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].title, "Error Writing Values to device Panel");
    EXPECT_EQ(dialogs.messages()[1].text, "Unable to communicate with the Panel");

    // Without a device nothing happens.
    state.currentDevice = nullptr;
    QTest::mouseClick(window.furniture().cmbRead, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    (void)second;
}

TEST_F(WindowOnBoard, AutoRewriteWritesEveryRegisterAgainUnlessRegister14Reads3)
{
    ConnectDevice();
    const auto group = AddGroup(state, {"Level", "10", 1, {{"L", 0, 0, 8}}});
    group->SetValue(0x5A, 0);
    QLabel& counter = *window.furniture().lblCnt;

    window.timer1Tick();  // the option is off
    EXPECT_EQ(ChipRegister(0x10), 0);

    window.setAutoRewrite(true);
    ports.board().SetRegister(Chip, 14, 3);
    window.timer1Tick();
    EXPECT_EQ(ChipRegister(0x10), 0);
    EXPECT_EQ(counter.text(), "0");

    ports.board().SetRegister(Chip, 14, 0);
    QTRY_COMPARE_WITH_TIMEOUT(counter.text(), QString("1"), 5000);  // the window's own timer ticks
    EXPECT_EQ(ChipRegister(0x10), 0x5A);

    for (int i = 0; i < 998; ++i) window.timer1Tick();
    EXPECT_EQ(counter.text(), "999");
    window.timer1Tick();
    EXPECT_EQ(counter.text(), "0");
}
