#include <gtest/gtest.h>

#include "ControlType.h"
#include "ModelError.h"
#include "TestDevice.h"

using namespace velk;
using velk::test::RecordsOfType;
using velk::test::TestDevice;

namespace {

constexpr int32_t White = RGB(255, 255, 255);
constexpr int32_t LightYellow = RGB(255, 255, 180);

struct BandLayout : ::testing::Test {
    TestDevice device;
    HeadlessRegisterView& view = device.view;

    // The bit box of bit b in a field's controls.
    std::shared_ptr<ControlRecord> BitBox(const Field& field, int16_t b)
    {
        for (const auto& record : field.controls)
            if (!record->isUserControl && record->controlType != ControlType::Label && record->bitIndex == b) return record;
        return nullptr;
    }
};

}  // namespace

TEST_F(BandLayout, BandGeometryOfATwoByteRegister)
{
    device.LoadBitGroup("Lead", "10", 2);  // 750 high, so the register starts at 750
    auto reg = device.AddGroup("Reg", "1A", 2, ControlMode::Series);
    auto f1 = device.AddField(reg, "F1", 0, 6, 2, 2);
    auto f2 = device.AddField(reg, "F2", 0, 3, 3, 5);
    auto f3 = device.AddField(reg, "F3", 0, 0, 3, 1);
    auto f4 = device.AddField(reg, "F4", 1, 4, 4, 9);
    auto total = device.AddControl(*reg, ControlType::TextBox, 0, 10000);
    device.Load(*reg);

    EXPECT_EQ(reg->height, 1450);
    EXPECT_EQ(reg->y, 750);
    EXPECT_EQ(reg->frame, 1);
    EXPECT_EQ(reg->droppedLowBits, 4);  // bits 3..0 of the last byte are empty
    EXPECT_EQ(view.layout.runningTop, 2200);
    EXPECT_EQ(view.layout.pageBottom(1), 2220);
    EXPECT_TRUE(device.state.eventsEnabled);

    // Frame lines: four verticals, the underline, and the separator 1070 below y.
    std::vector<std::array<int16_t, 4>> lines;
    for (const auto& line : RecordsOfType(reg->controls, ControlType::Line)) {
        const auto& w = device.WidgetOf(*line);
        EXPECT_EQ(w.borderWidth, 2);
        EXPECT_TRUE(w.visible);
        lines.push_back({w.x1, w.y1, w.x2, w.y2});
    }
    const std::vector<std::array<int16_t, 4>> expectedLines{{50, 750, 50, 2200},     {350, 750, 350, 2200},
                                                            {4420, 750, 4420, 2200}, {6420, 750, 6420, 2200},
                                                            {50, 2205, 6420, 2205},  {50, 1820, 4420, 1820}};
    EXPECT_EQ(lines, expectedLines);

    // Per byte: address label and value box at the byte's band top.
    const auto labels = RecordsOfType(reg->controls, ControlType::Label);
    const auto boxes = RecordsOfType(reg->controls, ControlType::ValueBox);
    ASSERT_EQ(labels.size(), 2u);
    ASSERT_EQ(boxes.size(), 2u);
    const int16_t tops[] = {800, 1850};
    const int16_t labelHeights[] = {1000, 300};
    const char* captions[] = {"1A", "1B"};
    const char* texts[] = {"169", "144"};  // 2<<6 | 5<<3 | 1, and 9<<4
    for (size_t i = 0; i < 2; ++i) {
        const auto& label = device.WidgetOf(*labels[i]);
        EXPECT_EQ(std::tie(label.left, label.top, label.width, label.height), std::tuple(90, tops[i], 260, labelHeights[i]));
        EXPECT_EQ(label.text, captions[i]);
        EXPECT_EQ(label.tag, "groupReg");
        EXPECT_TRUE(label.visible);
        const auto& box = device.WidgetOf(*boxes[i]);
        EXPECT_EQ(std::tie(box.left, box.top, box.width, box.height), std::tuple(3960, tops[i], 375, 285));
        EXPECT_EQ(box.text, texts[i]);
        EXPECT_FALSE(box.locked);
        EXPECT_EQ(box.backColor, White);
        EXPECT_EQ(boxes[i]->bitIndex, static_cast<int16_t>(i));
    }

    // Name labels, one row of 350 per field, all bytes counted.
    int16_t rowTop = 800;
    for (const auto& field : {f1, f2, f3, f4}) {
        const auto names = RecordsOfType(field->controls, ControlType::Label);
        ASSERT_EQ(names.size(), 1u);
        const auto& name = device.WidgetOf(*names[0]);
        EXPECT_EQ(std::tie(name.left, name.top, name.width, name.height), std::tuple(400, rowTop, 1900, 255));
        EXPECT_EQ(name.text, field->fieldName);
        EXPECT_EQ(device.WidgetOf(*BitBox(*field, 7)).top, rowTop);
        rowTop += 350;
    }
    // The Series value drops the four empty low bits: 169 * 16 + 144 / 16.
    EXPECT_EQ(device.WidgetOf(*total).text, "2713");
}

TEST_F(BandLayout, BitBoxKindsColoursAndPlaces)
{
    auto only = device.AddGroup("Only", "01");
    auto a = device.AddField(only, "A", 0, 2, 3, 5);  // byte 0b00010100
    device.Load(*only);
    const int16_t lefts[] = {3700, 3520, 3340, 3160, 2890, 2710, 2530, 2350};  // bits 0..7
    for (int16_t b = 0; b < 8; ++b) {
        const auto box = BitBox(*a, b);
        ASSERT_TRUE(box) << b;
        const auto& w = device.WidgetOf(*box);
        EXPECT_EQ(std::tie(w.left, w.top, w.width, w.height), std::tuple(lefts[b], 50, 195, 285)) << b;
        EXPECT_EQ(w.tag, "fieldA");
        EXPECT_EQ(w.text, b == 2 || b == 4 ? "1" : "0") << b;
        if (b >= 2 && b <= 4) {
            EXPECT_EQ(box->controlType, ControlType::Bit) << b;
            EXPECT_EQ(std::pair(w.backColor, w.foreColor), std::pair(White, 0)) << b;
        } else {  // the only field of its byte shows the other bits greyed
            EXPECT_EQ(box->controlType, ControlType::RdOnlyBit) << b;
            EXPECT_EQ(std::pair(w.foreColor, w.backColor), std::pair(SystemColour(17), SystemColour(19))) << b;
        }
    }

    // A second field of a byte has placeholders outside its bits; the field
    // met first in the walk (the higher one) shows the whole byte.
    auto shared = device.AddGroup("Shared", "02");
    auto low = device.AddField(shared, "Low", 0, 2, 3);
    auto high = device.AddField(shared, "High", 0, 6, 2);
    device.Load(*shared);
    EXPECT_EQ(BitBox(*high, 0)->controlType, ControlType::RdOnlyBit);
    EXPECT_EQ(BitBox(*high, 7)->controlType, ControlType::Bit);
    for (int16_t b : {0, 1, 5, 6, 7}) {
        EXPECT_EQ(BitBox(*low, b)->controlType, ControlType::DummyBit) << b;
        EXPECT_EQ(device.WidgetOf(*BitBox(*low, b)).backColor, RGB(110, 110, 110));
        EXPECT_EQ(device.WidgetOf(*BitBox(*low, b)).text, "");
    }
    EXPECT_EQ(device.WidgetOf(*BitBox(*high, 0)).top, shared->y + 50);
    EXPECT_EQ(device.WidgetOf(*BitBox(*low, 0)).top, shared->y + 400);
}

TEST_F(BandLayout, ReadOnlyGroupsAndReservedFieldsShowLockedBoxes)
{
    auto ro = device.AddGroup("Status", "30", 2, ControlMode::Parallel, true);
    auto s0 = device.AddField(ro, "S0", 0, 0, 8, 7);
    auto s1 = device.AddField(ro, "S1", 1, 0, 4);
    device.Load(*ro);
    for (const auto& field : {s0, s1})
        for (int16_t b = 0; b < field->size; ++b) {
            EXPECT_EQ(BitBox(*field, b)->controlType, ControlType::RdOnlyBit);
            EXPECT_EQ(device.WidgetOf(*BitBox(*field, b)).backColor, LightYellow);
        }
    EXPECT_EQ(device.WidgetOf(*BitBox(*s0, 0)).text, "1");
    for (const auto& box : RecordsOfType(ro->controls, ControlType::ValueBox)) {
        EXPECT_TRUE(device.WidgetOf(*box).locked);
        EXPECT_EQ(device.WidgetOf(*box).backColor, LightYellow);
    }

    auto rw = device.AddGroup("Mixed", "40");
    auto reserved = device.AddField(rw, "Spare", 0, 4, 4);
    reserved->Reserved = true;
    auto styled = device.AddField(rw, "Styled", 0, 0, 4);
    styled->bold = true;
    styled->fg = RGB(255, 0, 0);
    styled->bg = RGB(0, 0, 255);
    device.Load(*rw);
    EXPECT_EQ(BitBox(*reserved, 4)->controlType, ControlType::RdOnlyBit);
    EXPECT_EQ(BitBox(*styled, 0)->controlType, ControlType::Bit);
    const auto& spare = device.WidgetOf(*RecordsOfType(reserved->controls, ControlType::Label)[0]);
    EXPECT_EQ(spare.text, "Reserved");
    EXPECT_EQ(spare.foreColor, HeadlessRegisterView::LabelTemplateFore);  // fg = bg: template colours
    const auto& name = device.WidgetOf(*RecordsOfType(styled->controls, ControlType::Label)[0]);
    EXPECT_TRUE(name.bold);
    EXPECT_EQ(std::pair(name.foreColor, name.backColor), std::pair(RGB(255, 0, 0), RGB(0, 0, 255)));
    EXPECT_FALSE(device.WidgetOf(*RecordsOfType(rw->controls, ControlType::ValueBox)[0]).locked);
}

TEST_F(BandLayout, DescriptionControlsStandInTheControlColumnOfTheirRow)
{
    device.LoadBitGroup("Lead", "10", 1);  // 400 high
    auto reg = device.AddGroup("Reg", "11");
    auto field = device.AddField(reg, "Gain", 0, 0, 8, 200);
    auto text = device.AddControl(*field, ControlType::TextBox, 0, 255);
    auto spin = device.AddControl(*field, ControlType::UpDown, -100, 100);
    auto combo = device.AddControl(*reg, ControlType::Combo, 0, 2);
    device.Load(*reg);
    for (const auto& record : {text, spin, combo}) {
        const auto& w = device.WidgetOf(*record);
        EXPECT_EQ(w.left, 4520);  // (100, 50) from (4420, y)
        EXPECT_EQ(w.top, 450);
        EXPECT_TRUE(w.visible);
        EXPECT_EQ(w.page, 1);
    }
    EXPECT_EQ(device.WidgetOf(*text).maxLength, 3);
    EXPECT_EQ(device.WidgetOf(*spin).maxLength, 3);
    EXPECT_EQ(device.WidgetOf(*text).text, "200");
    EXPECT_EQ(device.WidgetOf(*text).tag, "fieldGain");
    EXPECT_EQ(device.WidgetOf(*combo).tag, "groupReg");
    EXPECT_EQ(device.WidgetOf(*combo).value, 2);  // the Parallel value 200, clamped to the combo's max
}

TEST_F(BandLayout, DestroyThenInitializeAgainLeavesOneOfEachGeneratedControl)
{
    auto reg = device.AddGroup("Reg", "20", 2);
    auto lowField = device.AddField(reg, "Lo", 0, 0, 8, 3);
    auto highField = device.AddField(reg, "Hi", 1, 0, 8, 4);
    auto text = device.AddControl(*lowField, ControlType::TextBox, 0, 255);
    device.Load(*reg);
    const int groupRecords = reg->controls.count();
    const int fieldRecords = lowField->controls.count();
    const auto firstBox = device.WidgetOf(*RecordsOfType(reg->controls, ControlType::ValueBox)[1]);

    // Visible widgets carrying a tag of the register's band.
    auto shownWidgets = [&] {
        int shown = 0;
        for (size_t a = 0; a < WidgetArrayCount; ++a)
            for (int16_t i = 0; i < view.nextIndex(static_cast<WidgetArray>(a)); ++i) {
                const WidgetId id{static_cast<WidgetArray>(a), i};
                if (view.isLoaded(id) && view.widget(id).visible) ++shown;
            }
        return shown;
    };
    const int shownBefore = shownWidgets();

    reg->Destroy(view);
    EXPECT_EQ(reg->controls.count(), 0);
    EXPECT_EQ(lowField->controls.count(), 1);  // the description text box stays
    EXPECT_EQ(highField->controls.count(), 0);
    EXPECT_EQ(shownWidgets(), 0);

    reg->Initialize(device.state, true);
    EXPECT_EQ(reg->controls.count(), groupRecords);
    EXPECT_EQ(lowField->controls.count(), fieldRecords);
    EXPECT_EQ(RecordsOfType(reg->controls, ControlType::Label).size(), 2u);
    EXPECT_EQ(RecordsOfType(reg->controls, ControlType::ValueBox).size(), 2u);
    EXPECT_EQ(shownWidgets(), shownBefore);
    const auto& again = device.WidgetOf(*RecordsOfType(reg->controls, ControlType::ValueBox)[1]);
    EXPECT_EQ(std::tie(again.left, again.top, again.text), std::tie(firstBox.left, firstBox.top, firstBox.text));
    EXPECT_EQ(device.WidgetOf(*text).left, 4520);  // a new widget, placed once
    EXPECT_EQ(device.WidgetOf(*text).text, "3");
}

TEST_F(BandLayout, EventsAreEnabledAgainWhenInitializeFails)
{
    auto reg = device.AddGroup("Reg", "20");
    device.AddField(reg, "Wide", 0, 7, 1, 300);  // packs past 16 bits
    EXPECT_THROW(device.Load(*reg), ModelError);
    EXPECT_TRUE(device.state.eventsEnabled);
}
