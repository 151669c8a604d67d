#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "ControlType.h"
#include "PageWidget.h"
#include "QtColours.h"
#include "Twips.h"
#include "UpDownSpinner.h"
#include "WindowOnBoard.h"

using namespace velk;

using QtRegisterViewOps = WindowOnBoard;

TEST_F(QtRegisterViewOps, WidgetOperationsReachTheQtWidgets)
{
    const WidgetId box{WidgetArray::txtExtra, view.AddControl(ControlType::TextBox, false, "fieldA", 1)};
    auto& edit = static_cast<QLineEdit&>(*view.realWidget(box));
    view.setBackColor(box, RGB(255, 255, 180));
    view.setForeColor(box, RGB(200, 0, 0));
    view.setBold(box, true);
    view.setJustify(box, 1);
    view.setToolTip(box, "Gain");
    view.setLocked(box, true);
    view.move(box, 4420, 750);
    view.setWidth(box, 900);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 255, 180));
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(200, 0, 0));
    EXPECT_EQ(view.backColor(box), RGB(255, 255, 180));
    EXPECT_TRUE(edit.font().bold());
    EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(edit.toolTip(), "Gain");
    EXPECT_TRUE(edit.isReadOnly());
    EXPECT_EQ(edit.pos(), QPoint(ToPixels(4420), ToPixels(750)));
    EXPECT_EQ(view.left(box), 4420);  // twips kept exactly
    EXPECT_EQ(edit.parentWidget(), &view.page(1));

    // A list shows the item of its value; a value without an item shows nothing.
    const WidgetId list{WidgetArray::combos, view.AddControl(ControlType::Combo, false, "fieldA", 1)};
    for (const char* item : {"off", "on"}) view.addListItem(list, item);
    view.setValue(list, 1);
    EXPECT_EQ(view.shownText(list), "on");
    view.setValue(list, 2);
    EXPECT_EQ(static_cast<QComboBox*>(view.realWidget(list))->currentIndex(), -1);

    const WidgetId bar{WidgetArray::scrollbars, view.AddControl(ControlType::Scrollbar, false, "fieldA", 1)};
    view.setRange(bar, 2, 40);
    view.setSteps(bar, 1, 8);
    const auto& scroll = static_cast<QScrollBar&>(*view.realWidget(bar));
    EXPECT_EQ(scroll.minimum(), 2);
    EXPECT_EQ(scroll.maximum(), 40);
    EXPECT_EQ(scroll.pageStep(), 8);

    const WidgetId upDown{WidgetArray::txtUpDown, view.AddControl(ControlType::UpDown, false, "fieldA", 1)};
    view.setRange(upDown, 0, 3);
    view.setValue(upDown, 7);
    EXPECT_EQ(view.spinner(upDown)->value(), 3);  // held inside its range
}

TEST_F(QtRegisterViewOps, TemplatesAreReusedFirstAndNeverUnloaded)
{
    const WidgetId first{WidgetArray::txtValue, view.AddControl(ControlType::ValueBox, false, "groupA", 1)};
    const WidgetId second{WidgetArray::txtValue, view.AddControl(ControlType::ValueBox, false, "groupA", 1)};
    EXPECT_EQ(first.index, 0);
    EXPECT_EQ(second.index, 1);
    QWidget* loaded = view.realWidget(second);
    view.unloadElement(second);
    EXPECT_FALSE(loaded->isVisible());  // waiting off the page for the next value box
    EXPECT_NE(loaded->parentWidget(), &view.page(1));
    EXPECT_THROW(view.unloadElement(first), std::exception);
    EXPECT_THROW(view.setText(second, "1"), std::exception);  // no longer loaded
    EXPECT_THROW(view.realWidget(second), std::exception);

    view.setVisible(first, true);
    view.restoreTemplates();
    EXPECT_EQ(view.element(first).page, 0);
    EXPECT_EQ(view.realWidget(first), nullptr);  // on the main window, hidden: no widget
    EXPECT_TRUE(view.page(1).findChildren<QLineEdit*>().isEmpty());
}

TEST_F(QtRegisterViewOps, TheFocusFollowsTheOrderTheControlsCameToThePageAfterAPageSwitch)
{
    std::vector<WidgetId> boxes;
    for (const char* tag : {"a", "b", "c", "d"})
        boxes.push_back({WidgetArray::txtExtra, view.AddControl(ControlType::TextBox, false, tag, 1)});
    view.unloadElement(boxes[1]);
    view.AddFrame();
    view.SelectTab(1);
    EXPECT_EQ(view.realWidget(boxes[0])->nextInFocusChain(), view.realWidget(boxes[2]));
    EXPECT_EQ(view.realWidget(boxes[2])->nextInFocusChain(), view.realWidget(boxes[3]));
}

TEST_F(QtRegisterViewOps, DrawnLabelsKeepTheirStateAndOnlyBitBoxesFlipOnClicks)
{
    const WidgetId label{WidgetArray::labels, view.AddControl(ControlType::Label, false, "fieldA", 1)};
    EXPECT_EQ(view.backColor(label), SystemColour(15));  // copied from the template
    view.move(label, 400, 50);
    view.setWidth(label, 1900);
    view.setHeight(label, 255);
    view.setText(label, "Mode");
    view.setVisible(label, true);
    const auto line = view.AddLine(50, 0, 50, 400, 2, 1);
    view.move(WidgetId{WidgetArray::lines, line->Index}, 60, 100);  // both ends move
    EXPECT_EQ(view.element({WidgetArray::lines, line->Index}).y2, 500);

    PageWidget& page = view.page(1);
    EXPECT_EQ(view.store().onPage(1).size(), 2u);
    const QPoint onLabel = PageWidget::ItemRect(WidgetArray::labels, view.element(label)).center();
    EXPECT_EQ(page.ItemAt(onLabel), label);
    QTest::mouseClick(&page, Qt::LeftButton, {}, onLabel);
    EXPECT_EQ(view.shownText(label), "Mode");

    view.setVisible(label, false);
    EXPECT_EQ(page.ItemAt(onLabel), std::nullopt);
}

TEST_F(QtRegisterViewOps, TheSelectionMarkLeavesAPageThatIsRemoved)
{
    view.AddFrame();
    view.showSelection(2, 25, 15, 6420, 405);
    QWidget* mark = view.selectionMark();
    EXPECT_EQ(mark->parentWidget(), &view.page(2));
    EXPECT_EQ(mark->geometry(), TwipsRect(25, 15, 6420, 405));
    view.SelectTab(1);
    view.RemoveLastPage();  // refused while a widget is left on the page
    EXPECT_TRUE(mark->isHidden());
    EXPECT_EQ(mark->parentWidget(), window.furniture().client);
}
