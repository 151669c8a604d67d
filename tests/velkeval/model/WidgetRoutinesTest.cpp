#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ControlType.h"
#include "Factories.h"
#include "HeadlessRegisterView.h"
#include "ModelError.h"
#include "ScriptedDialogs.h"
#include "WidgetRoutines.h"

using namespace velk;

namespace {

constexpr int32_t White = RGB(255, 255, 255);

ControlRecord Record(int32_t type, bool isGroup = false)
{
    ControlRecord record = *NewControlRecord(isGroup);
    record.controlType = type;
    return record;
}

// The calls of the log, each cut to its first word (the operation).
std::vector<std::string> Operations(const HeadlessRegisterView& view)
{
    std::vector<std::string> ops;
    for (const std::string& call : view.calls()) ops.push_back(call.substr(0, call.find(' ')));
    return ops;
}

}  // namespace

TEST(AddControl, FirstWidgetReusesTheTemplateAndEachArrayCountsOnItsOwn)
{
    HeadlessRegisterView view;
    EXPECT_EQ(view.AddControl(ControlType::TextBox, false, "fieldA", 1), 0);
    EXPECT_EQ(view.AddControl(ControlType::TextBox, false, "fieldB", 1), 1);
    EXPECT_EQ(view.AddControl(ControlType::TextBox, true, "groupG", 1), 0);
    // Display has one array for group and field controls
    EXPECT_EQ(view.AddControl(ControlType::Display, true, "groupG", 1), 0);
    EXPECT_EQ(view.AddControl(ControlType::Display, false, "fieldA", 1), 1);
    EXPECT_EQ(view.nextIndex(WidgetArray::txtExtra), 2);
    EXPECT_EQ(view.nextIndex(WidgetArray::txtGrpExtra), 1);
    EXPECT_EQ(view.loadedCount(WidgetArray::txtExtra), 2);
    EXPECT_EQ(view.widget({WidgetArray::txtExtra, 1}).tag, "fieldB");
    EXPECT_EQ(view.widget({WidgetArray::txtExtra, 1}).page, 1);
    EXPECT_THROW(view.AddControl(ControlType::Line, false, "x", 1), ModelError);
    EXPECT_THROW(view.AddControl(11, false, "x", 1), ModelError);
}

TEST(AddControl, IndexesCountPastSixteenBitsForDescriptionsOfThousandsOfRegisters)
{
    HeadlessRegisterView view;
    view.setRecording(false);
    int32_t last = 0;
    for (int i = 0; i <= 40000; ++i) last = view.AddControl(ControlType::Label, false, "fieldA", 1);
    EXPECT_EQ(last, 40000);
    ControlRecord record = Record(ControlType::Label);
    CreateControlView(view, record, "fieldB", 1);
    EXPECT_EQ(record.Index, 40001);
    EXPECT_EQ(view.widget(WidgetOf(record)).tag, "fieldB");
    EXPECT_EQ(view.store().onPage(1).size(), 40002u);
}

TEST(AddControl, TextAndListBoxesStartPlainWhiteOnBlackAndLabelsCopyTheTemplate)
{
    HeadlessRegisterView view;
    const int16_t combo = view.AddControl(ControlType::Combo, false, "fieldA", 1);
    const auto& box = view.widget({WidgetArray::combos, combo});
    EXPECT_EQ(box.backColor, White);
    EXPECT_EQ(box.foreColor, 0);
    EXPECT_FALSE(box.bold);
    EXPECT_TRUE(box.listItems.empty());

    const int16_t label = view.AddControl(ControlType::Label, false, "fieldA", 1);
    EXPECT_EQ(view.widget({WidgetArray::labels, label}).foreColor, HeadlessRegisterView::LabelTemplateFore);
    EXPECT_EQ(view.widget({WidgetArray::labels, label}).backColor, HeadlessRegisterView::LabelTemplateBack);

    view.clearCalls();
    view.AddControl(ControlType::Bit, false, "fieldA", 1);  // no styling for bit boxes
    EXPECT_EQ(Operations(view), (std::vector<std::string>{"setPage", "setTag"}));
}

TEST(AddFrame, AppendsAPageAndMakesItTheLast)
{
    HeadlessRegisterView view;
    view.layout.runningTop = 4200;
    view.AddFrame();
    EXPECT_EQ(view.layout.pageCount(), 2);
    EXPECT_EQ(view.layout.currentPage, 2);
    EXPECT_EQ(view.layout.runningTop, 0);
    EXPECT_EQ(view.layout.pageBottom(2), 0);
    EXPECT_THROW(view.layout.pageBottom(3), ModelError);
    ASSERT_EQ(view.pages().size(), 2u);
    EXPECT_EQ(view.pages()[1].tabKey, "key2");
    EXPECT_EQ(view.pages()[1].tabCaption, "Tab2");
    EXPECT_FALSE(view.pages()[0].visible);
    EXPECT_TRUE(view.pages()[1].visible);
    EXPECT_EQ(view.selectedTab(), 2);

    // page -1 is the last page
    const int16_t i = view.AddControl(ControlType::TextBox, false, "fieldA", -1);
    EXPECT_EQ(view.widget({WidgetArray::txtExtra, i}).page, 2);
    ControlRecord record = Record(ControlType::Label);
    CreateControlView(view, record, "fieldA", -1);
    EXPECT_EQ(view.widget(WidgetOf(record)).page, 2);

    view.layout.currentPage = 2;
    view.layout.RemoveLastPage();
    EXPECT_EQ(view.layout.pageCount(), 1);
    EXPECT_EQ(view.layout.currentPage, 1);
    EXPECT_THROW(view.layout.RemoveLastPage(), ModelError);
}

TEST(AddControl, NewElementsStartAsTheTemplateWasMadeAndCountersReset)
{
    HeadlessRegisterView view;
    ControlRecord first = Record(ControlType::Combo);
    first.max = 1;
    CreateControlView(view, first, "fieldA", 1);
    SetVisible(view, first, true);
    view.setText(WidgetOf(first), "typed");

    const int16_t second = view.AddControl(ControlType::Combo, false, "fieldB", 1);
    const auto& w = view.widget({WidgetArray::combos, second});
    EXPECT_FALSE(w.visible);  // nothing of element 0's later state is copied
    EXPECT_EQ(w.text, "");
    EXPECT_TRUE(w.listItems.empty());

    view.ResetNextIndexes();
    EXPECT_EQ(view.AddControl(ControlType::TextBox, false, "fieldA", 1), 0);
}

TEST(AddLine, DrawsTheLineAndDescribesItInAGeneratedRecord)
{
    HeadlessRegisterView view;
    view.AddLine(50, 100, 50, 500, 2, 1);
    const auto record = view.AddLine(50, 505, 6420, 505, 2, -1);
    EXPECT_EQ(record->controlType, ControlType::Line);
    EXPECT_FALSE(record->isUserControl);
    EXPECT_EQ(record->Index, 1);
    EXPECT_EQ(record->X, 50);
    EXPECT_EQ(record->y, 505);
    EXPECT_EQ(record->width, 6370);
    EXPECT_EQ(record->height, 0);
    const auto& line = view.widget({WidgetArray::lines, 1});
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.x2, 6420);
    EXPECT_EQ(line.borderWidth, 2);
}

TEST(CreateControlView, AppliesTheRecordInTheFixedOrder)
{
    HeadlessRegisterView view;
    ControlRecord record = Record(ControlType::Combo);
    record.colorsSet = true;
    record.fg = RGB(0, 0, 128);
    record.bg = RGB(255, 255, 180);
    record.bold = true;
    record.min = 0;
    record.max = 3;
    record.justify = 2;
    record.tooltip = "Clock source";
    record.setIndexValue(0, "Crystal");
    record.setIndexValue(1, "PLL");
    view.AddControl(ControlType::Combo, false, "fieldOther", 1);  // so the record gets element 1
    view.clearCalls();

    CreateControlView(view, record, "fieldClock", 1);

    EXPECT_EQ(record.Index, 1);
    EXPECT_EQ(Operations(view),
              (std::vector<std::string>{"loadElement", "setPage", "setTag", "clearList", "setBold", "setItalic",
                                        "setBackColor", "setForeColor",  // AddControl
                                        "setPage", "setBackColor", "setForeColor", "setBold", "setHeight", "setWidth",
                                        "move", "addListItem", "addListItem", "addListItem", "addListItem",
                                        "setJustify", "setToolTip"}));
    const auto& w = view.widget({WidgetArray::combos, 1});
    EXPECT_EQ(w.tag, "fieldClock");
    EXPECT_EQ(w.listItems, (std::vector<std::string>{"Crystal", "PLL", "2", "3"}));
    EXPECT_EQ(w.foreColor, RGB(0, 0, 128));
    EXPECT_EQ(w.backColor, RGB(255, 255, 180));
    EXPECT_TRUE(w.bold);
    EXPECT_EQ(w.left, 100);
    EXPECT_EQ(w.top, 50);
    EXPECT_EQ(w.width, 1000);
    EXPECT_EQ(w.height, 300);
    EXPECT_EQ(w.justify, 2);
    EXPECT_EQ(w.toolTip, "Clock source");
}

TEST(CreateControlView, ListsHoldMaxMinusMinPlusOneItemsFromIndexZero)
{
    HeadlessRegisterView view;
    ControlRecord display = Record(ControlType::Display);
    display.min = 2;
    display.max = 4;
    display.setIndexValue(0, "zero");
    CreateControlView(view, display, "fieldD", 1);
    EXPECT_EQ(view.widget(WidgetOf(display)).listItems, (std::vector<std::string>{"zero", "1", "2"}));
}

TEST(CreateControlView, AListOfMoreThanSixteenBitsOfItemsIsAnError)
{
    HeadlessRegisterView view;
    ControlRecord combo = Record(ControlType::Combo);
    combo.min = -32768;
    combo.max = 32767;
    EXPECT_THROW(CreateControlView(view, combo, "fieldA", 1), ModelError);
}

TEST(CreateControlView, LabelsScrollBarsAndUpDowns)
{
    HeadlessRegisterView view;
    ControlRecord label = Record(ControlType::Label);
    label.caption = "MHz";
    CreateControlView(view, label, "fieldF", 1);
    EXPECT_EQ(view.widget(WidgetOf(label)).text, "MHz");

    ControlRecord scroll = Record(ControlType::Scrollbar, true);
    scroll.min = 1;
    scroll.max = 12;
    CreateControlView(view, scroll, "groupG", 1);
    const auto& bar = view.widget(WidgetOf(scroll));
    EXPECT_EQ(WidgetOf(scroll).array, WidgetArray::grpscrollbars);
    EXPECT_EQ(bar.rangeMin, 1);
    EXPECT_EQ(bar.rangeMax, 12);
    EXPECT_EQ(bar.smallStep, 1);
    EXPECT_EQ(bar.largeStep, 2);  // Int(12 * 0.2)

    ControlRecord negative = Record(ControlType::Scrollbar);
    negative.min = -10;
    negative.max = -3;
    CreateControlView(view, negative, "fieldF", 1);
    EXPECT_EQ(view.widget(WidgetOf(negative)).largeStep, -1);  // Int rounds toward minus infinity

    ControlRecord spinner = Record(ControlType::UpDown);
    spinner.min = 0;
    spinner.max = 63;
    view.clearCalls();
    CreateControlView(view, spinner, "fieldF", 1);
    EXPECT_EQ(view.widget(WidgetOf(spinner)).rangeMax, 63);
    const auto ops = Operations(view);
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "setSteps"), 0);
}

TEST(RemoveControlView, UnloadsElementsButOnlyHidesTheTemplate)
{
    HeadlessRegisterView view;
    ControlRecord first = Record(ControlType::TextBox);
    ControlRecord second = Record(ControlType::TextBox);
    CreateControlView(view, first, "fieldA", 1);
    CreateControlView(view, second, "fieldA", 1);
    SetVisible(view, first, true);

    RemoveControlView(view, second);
    EXPECT_FALSE(view.isLoaded(WidgetOf(second)));
    RemoveControlView(view, first);
    ASSERT_TRUE(view.isLoaded(WidgetOf(first)));
    EXPECT_FALSE(view.widget(WidgetOf(first)).visible);
    EXPECT_EQ(view.widget(WidgetOf(first)).tag, "");
    EXPECT_THROW(RemoveControlView(view, second), ModelError);  // already gone
}

TEST(MoveControl, RelativeFromWhereItStandsOrAbsolute)
{
    HeadlessRegisterView view;
    ControlRecord record = Record(ControlType::TextBox);
    CreateControlView(view, record, "fieldA", 1);
    MoveControl(view, 4420, 1000, true, record);
    EXPECT_EQ(view.widget(WidgetOf(record)).left, 4520);
    EXPECT_EQ(view.widget(WidgetOf(record)).top, 1050);
    MoveControl(view, 10, 20, false, record);
    EXPECT_EQ(view.widget(WidgetOf(record)).left, 10);
    EXPECT_EQ(view.widget(WidgetOf(record)).top, 20);
    MoveControl(view, 0, 32000, false, record);
    EXPECT_THROW(MoveControl(view, 0, 1000, true, record), ModelError);  // past 16 bits

    ScriptedDialogs dialogs;
    ProgramState state(view, dialogs);  // without a record: the current control
    EXPECT_THROW(MoveControl(state, 5, 5, false), ModelError);
    state.currentControl = std::make_shared<ControlRecord>(record);
    MoveControl(state, 7, 8, false);
    EXPECT_EQ(view.widget(WidgetOf(record)).left, 7);
    EXPECT_EQ(view.widget(WidgetOf(record)).top, 8);
}

TEST(ColourRoutines, ReadHexTextAndIgnoreTextThatIsNot)
{
    HeadlessRegisterView view;
    ControlRecord record = Record(ControlType::TextBox);
    CreateControlView(view, record, "fieldA", 1);
    SetForeColor(view, "80000008", record);
    SetBackColor(view, "B4FFFF", record);
    EXPECT_EQ(view.widget(WidgetOf(record)).foreColor, SystemColour(8));
    EXPECT_EQ(view.widget(WidgetOf(record)).backColor, RGB(255, 255, 180));
    SetForeColor(view, "GANone", record);
    EXPECT_EQ(view.widget(WidgetOf(record)).foreColor, SystemColour(8));
}

TEST(ShowValue, TextBoxesUseTheRadixComparedExactly)
{
    HeadlessRegisterView view;
    ControlRecord hex = Record(ControlType::TextBox);
    hex.radix = "hex";
    ControlRecord upper = Record(ControlType::TextBox);
    upper.radix = "HEX";
    ControlRecord valueBox = Record(ControlType::ValueBox);
    valueBox.radix = "bin";
    ControlRecord spinner = Record(ControlType::UpDown, true);
    spinner.radix = "oct";
    for (ControlRecord* r : {&hex, &upper, &valueBox, &spinner}) CreateControlView(view, *r, "fieldA", 1);

    ShowValue(view, 31, hex);
    ShowValue(view, 31, upper);
    ShowValue(view, 5, valueBox);
    ShowValue(view, 9, spinner);
    EXPECT_EQ(view.widget(WidgetOf(hex)).text, "1F");
    EXPECT_EQ(view.widget(WidgetOf(upper)).text, "31");
    EXPECT_EQ(view.widget(WidgetOf(valueBox)).text, "00000101");
    EXPECT_EQ(view.widget(WidgetOf(spinner)).text, "11");
    EXPECT_EQ(view.widget(WidgetOf(spinner)).value, 9);
}

TEST(ShowValue, BitBoxesShowOneBitAndOtherTypesShowTheNumber)
{
    HeadlessRegisterView view;
    ControlRecord bit = Record(ControlType::Bit);
    bit.bitIndex = 5;
    bit.radix = "hex";  // ignored: only text boxes use the radix
    ControlRecord readOnly = Record(ControlType::RdOnlyBit);
    readOnly.bitIndex = 0;
    ControlRecord scroll = Record(ControlType::Scrollbar);
    scroll.radix = "hex";
    ControlRecord dummy = Record(ControlType::DummyBit);
    ControlRecord label = Record(ControlType::Label);
    for (ControlRecord* r : {&bit, &readOnly, &scroll, &dummy, &label}) CreateControlView(view, *r, "fieldA", 1);

    ShowValue(view, 0b00100000, bit);
    ShowValue(view, 0b00100000, readOnly);
    ShowValue(view, 40, scroll);
    EXPECT_EQ(view.widget(WidgetOf(bit)).text, "1");
    EXPECT_EQ(view.widget(WidgetOf(readOnly)).text, "0");
    EXPECT_EQ(view.widget(WidgetOf(scroll)).value, 40);

    view.clearCalls();
    ShowValue(view, 1, dummy);
    ShowValue(view, 1, label);
    EXPECT_TRUE(view.calls().empty());
}

TEST(ShowValue, ListsTakeTheStyleOfTheShownValue)
{
    HeadlessRegisterView view;
    ControlRecord combo = Record(ControlType::Combo);
    combo.max = 3;
    combo.italic = true;
    combo.setIndexValue(0, "Off");
    combo.setIndexValue(1, "On");
    combo.setIndexBold(1, true);
    combo.setIndexFG(1, RGB(255, 0, 0));
    combo.setIndexBG(1, White);
    CreateControlView(view, combo, "fieldA", 1);
    const auto& w = view.widget(WidgetOf(combo));

    ShowValue(view, 1, combo);  // an entry with distinct colours
    EXPECT_EQ(w.value, 1);
    EXPECT_TRUE(w.bold);
    EXPECT_TRUE(w.italic);  // the record's italic still applies
    EXPECT_EQ(w.foreColor, RGB(255, 0, 0));
    EXPECT_EQ(w.backColor, White);

    ShowValue(view, 0, combo);  // equal (zero) entry colours: system colours
    EXPECT_FALSE(w.bold);
    EXPECT_TRUE(w.italic);
    EXPECT_EQ(w.foreColor, SystemColour(8));
    EXPECT_EQ(w.backColor, SystemColour(5));

    combo.bold = true;  // the record's bold holds for every value
    combo.italic = false;
    ShowValue(view, 0, combo);
    EXPECT_TRUE(w.bold);
    EXPECT_FALSE(w.italic);

    combo.colorsSet = true;
    combo.fg = RGB(0, 128, 0);
    combo.bg = RGB(200, 200, 200);
    ShowValue(view, 3, combo);  // beyond the entries: the record's own colours
    EXPECT_EQ(w.value, 3);
    EXPECT_EQ(w.foreColor, RGB(0, 128, 0));
    EXPECT_EQ(w.backColor, RGB(200, 200, 200));
}
