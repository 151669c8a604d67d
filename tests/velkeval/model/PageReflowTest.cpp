#include <gtest/gtest.h>

#include "ControlType.h"
#include "Conversions.h"
#include "PageReflow.h"
#include "TestDevice.h"
#include "WindowCommands.h"

using namespace velk;
using velk::test::RecordsOfType;
using velk::test::TestDevice;

namespace {

using Place = std::pair<int16_t, int16_t>;  // top and page, or height and top

struct Paging : ::testing::Test {
    TestDevice device;
    HeadlessRegisterView& view = device.view;
    std::vector<std::shared_ptr<Group>> groups;

    // Registers at consecutive addresses from `first`, each `fields` rows high.
    void LoadGroups(int count, int fields, int first = 0x10)
    {
        for (int i = 0; i < count; ++i) {
            const std::string address = AddressHex(static_cast<int16_t>(first + i));
            groups.push_back(device.LoadBitGroup("R" + address, address, fields));
        }
    }

    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const auto& page : view.pages()) captions.push_back(page.tabCaption);
        return captions;
    }

    // The top and page of a group's first name label: where its band is drawn.
    Place BandPlace(const Group& group) const
    {
        const auto field = group.childFields.Item(1);
        const auto& label = device.WidgetOf(*RecordsOfType(field->controls, ControlType::Label)[0]);
        return {static_cast<int16_t>(label.top - 50), label.page};
    }
};

}  // namespace

TEST_F(Paging, ABandThatWouldPassThePageHeightStartsANewPageWhileLoading)
{
    view.layout.maxPageHeight = 3000;
    LoadGroups(5, 3);  // 1100 each: two per page
    EXPECT_EQ(view.layout.pageCount(), 3);
    const std::vector<Place> places{{0, 1}, {1100, 1}, {0, 2}, {1100, 2}, {0, 3}};
    for (size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(std::pair(groups[i]->y, groups[i]->frame), places[i]) << i;
        EXPECT_EQ(BandPlace(*groups[i]), places[i]) << i;
    }
    EXPECT_EQ(view.layout.pageBottom(1), 2220);
    EXPECT_EQ(view.layout.pageBottom(3), 1120);
    EXPECT_EQ(view.pages()[1].tabKey, "key2");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Tab1", "Tab2", "Tab3"}));
    EXPECT_EQ(view.selectedTab(), 3);
    EXPECT_EQ(view.layout.currentPage, 3);
}

TEST_F(Paging, ThePageHeightCommandLaysEverythingOutAgainAndCaptionsThePages)
{
    LoadGroups(7, 3);  // 7700: one page at the height 8000 of a fresh view
    ASSERT_EQ(view.layout.pageCount(), 1);
    device.state.currentGroup = groups[2];

    ApplyMaxPageHeight(device.state, 3000);  // "Short"
    EXPECT_EQ(Captions(), (std::vector<std::string>{"10 - 11", "12 - 13", "14 - 15", "16 - 16"}));
    EXPECT_EQ(view.layout.tabTag(2), "13");
    EXPECT_EQ(std::pair(groups[2]->y, groups[2]->frame), Place(0, 2));
    EXPECT_EQ(BandPlace(*groups[2]), Place(0, 2));
    EXPECT_EQ(BandPlace(*groups[3]), Place(1100, 2));
    const auto& line = device.WidgetOf(*RecordsOfType(groups[3]->controls, ControlType::Line)[0]);
    EXPECT_EQ(std::tie(line.y1, line.y2, line.page), std::tuple(1100, 2200, 2));
    for (const auto& page : view.pages()) EXPECT_EQ(std::pair(page.height, page.top), Place(3020, 0));
    EXPECT_EQ(view.layout.maxPageHeight, 3000);
    EXPECT_EQ(view.fitWindowHeightCount(), 1);
    EXPECT_EQ(device.state.currentGroup, nullptr);

    ApplyMaxPageHeight(device.state, 30000);  // "No Tabs": the trailing pages go
    EXPECT_EQ(Captions(), (std::vector<std::string>{"10 - 16"}));
    EXPECT_EQ(view.layout.pageCount(), 1);
    EXPECT_EQ(view.layout.pageBottom(1), 7720);
    EXPECT_EQ(BandPlace(*groups[6]), Place(6600, 1));
    EXPECT_EQ(view.pages()[0].height, 30020);
    EXPECT_EQ(view.selectedTab(), 1);
}

TEST_F(Paging, NoTabsPutsALongMapOnOnePage)
{
    LoadGroups(30, 2);  // 22500 high: three pages at 8000
    ASSERT_EQ(view.layout.pageCount(), 3);
    ApplyMaxPageHeight(device.state, 30000);
    EXPECT_EQ(view.layout.pageCount(), 1);
    EXPECT_EQ(view.layout.pageBottom(1), 22520);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"10 - 2D"}));
    for (const auto& group : groups) EXPECT_EQ(BandPlace(*group).second, 1);
}

TEST_F(Paging, APageEndsWithTheLastByteAddressOfItsLastRegister)
{
    groups.push_back(device.LoadBitGroup("A", "08", 3));
    auto wide = device.AddGroup("Wide", "3F", 2);
    device.AddField(wide, "W0", 0, 0, 8);
    device.AddField(wide, "W1", 1, 0, 4);
    device.AddField(wide, "W2", 1, 4, 4);
    device.Load(*wide);
    groups.push_back(device.LoadBitGroup("C", "41", 3));
    ApplyMaxPageHeight(device.state, 3000);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"08 - 40", "41 - 41"}));
}

TEST_F(Paging, ABandTallerThanThePageStaysAtTheTopOfItsPageAndRaisesTheHeight)
{
    LoadGroups(2, 8);  // 2850 each
    LoadGroups(1, 1, 0x30);
    ApplyMaxPageHeight(device.state, 2000);
    // Each tall band stands alone at the top of a page; none leaves a page empty.
    const std::vector<Place> places{{0, 1}, {0, 2}, {0, 3}};
    for (size_t i = 0; i < groups.size(); ++i) EXPECT_EQ(BandPlace(*groups[i]), places[i]) << i;
    EXPECT_EQ(Captions(), (std::vector<std::string>{"10 - 10", "11 - 11", "30 - 30"}));
    EXPECT_EQ(view.layout.maxPageHeight, 2870);
    for (const auto& page : view.pages()) EXPECT_EQ(page.height, 2890);  // no frame cuts a band off
}

TEST_F(Paging, RebuildingTheBandsAfterDestroyMovesTheFollowingOnes)
{
    std::vector<std::shared_ptr<ControlRecord>> boxes;
    for (const std::string address : {"10", "11", "12"}) {  // y 0, 750, 1500
        auto group = device.AddGroup("R" + address, address);
        boxes.push_back(device.AddControl(*device.AddField(group, "F" + address, 0, 4, 4), ControlType::TextBox, 0, 15));
        device.AddField(group, "G" + address, 0, 1, 3);
        device.Load(*group);
        groups.push_back(group);
    }
    for (const auto& group : groups) group->Destroy(view);
    device.AddField(groups[0], "Extra", 0, 0, 1);  // the first band grows by a row
    for (const auto& group : groups) group->Initialize(device.state, true);
    const std::vector<int16_t> tops{0, 1100, 1850};
    for (size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i]->y, tops[i]) << i;
        EXPECT_EQ(BandPlace(*groups[i]).first, tops[i]) << i;
        const auto& box = device.WidgetOf(*RecordsOfType(groups[i]->controls, ControlType::ValueBox)[0]);
        EXPECT_EQ(box.top, tops[i] + 50) << i;
        EXPECT_EQ(device.WidgetOf(*boxes[i]).top, tops[i] + 50) << i;  // a new widget, placed once
    }
    EXPECT_EQ(view.layout.pageBottom(1), 2620);
}
