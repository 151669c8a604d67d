#include <fstream>
#include <iterator>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "ControlType.h"
#include "QtColours.h"
#include "StartedWindow.h"
#include "Twips.h"
#include "UpDownSpinner.h"
#include "WidgetProjection.h"

using namespace velk;

namespace {

std::string Sample()
{
    std::ifstream in(VELK_SAMPLE_DESCRIPTION, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
    return items;
}

QStringList Items(const WidgetState& state)
{
    QStringList items;
    for (const std::string& item : state.listItems) items << QString::fromStdString(item);
    return items;
}

}  // namespace

struct Projection : StartedWindow {
    // What the real widget of an element on the shown page shows, against
    // the store, as a list of differences.
    std::vector<std::string> Differences(WidgetId id, int16_t pageNumber)
    {
        std::vector<std::string> found;
        const auto differ = [&](bool same, const char* what) {
            if (!same) found.push_back(WidgetName(id) + " " + what);
        };
        const WidgetState& state = view.element(id);
        QWidget* widget = view.realWidget(id);
        if (!widget) return {WidgetName(id) + " has no widget"};
        differ(widget->parentWidget() == &view.page(pageNumber), "parent");
        differ(widget->isVisibleTo(&view.page(pageNumber)) == state.visible, "visibility");
        differ(widget->pos() == QPoint(ToPixels(state.left), ToPixels(state.top)), "position");
        differ(widget->toolTip().toStdString() == state.toolTip, "tooltip");
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            differ(box->text().toStdString() == state.text, "text");
            differ(box->isReadOnly() == state.locked, "locking");
            differ(box->palette().color(QPalette::Base) == ToQColor(state.backColor), "background");
            differ(box->font().bold() == state.bold, "weight");
            if (UpDownSpinner* spinner = view.spinner(id))
                differ(spinner->minimum() == state.rangeMin && spinner->maximum() == state.rangeMax, "spinner range");
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            view.shownText(id);  // items wait until a list is used
            differ(Items(*list) == Items(state), "items");
            differ(list->currentIndex() == ShownListIndex(state), "selection");
            differ(list->palette().color(QPalette::Button) == ToQColor(state.backColor), "background");
        } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
            differ(bar->minimum() == state.rangeMin && bar->maximum() == state.rangeMax, "range");
            differ(bar->value() == ShownScrollValue(state), "value");
        }
        return found;
    }
};

TEST_F(Projection, EveryPageShowsTheStoreOnWidgetsOfThatPageOnly)
{
    Start(Sample());
    for (int device = 0; device < 2; ++device) {
        window.mnuDevice()->actions()[device]->trigger();  // the load makes the entries anew
        SCOPED_TRACE(state.currentDevice->devName);
        window.mnuMaxHeightClick(0);  // short pages: many of them
        ASSERT_GT(view.layout.pageCount(), 2);
        for (int16_t p = 1; p <= view.layout.pageCount(); ++p) {
            view.SelectTab(p);
            QCoreApplication::processEvents();
            EXPECT_EQ(view.projectedPage(), p);
            int shownReal = 0;
            for (int16_t other = 1; other <= view.layout.pageCount(); ++other) {
                for (const WidgetId id : view.store().onPage(other)) {
                    if (IsDrawnArray(id.array)) continue;
                    if (other != p) {
                        EXPECT_EQ(view.realWidget(id), nullptr) << WidgetName(id);
                        continue;
                    }
                    for (const std::string& difference : Differences(id, p)) ADD_FAILURE() << difference;
                    ++shownReal;
                }
            }
            // Nothing else is on the page: waiting widgets live off it.
            int onPage = 0;
            for (QWidget* child : view.page(p).findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                onPage += child != view.selectionMark() && !qobject_cast<UpDownSpinner*>(child);
            EXPECT_EQ(onPage, shownReal);
        }
    }
}

TEST_F(Projection, WhatTheUserTypedComesBackWithItsPage)
{
    Start(Sample());
    window.mnuMaxHeightClick(0);
    view.SelectTab(1);
    std::shared_ptr<Group> group;
    for (const auto& candidate : state.allGroups)
        if (!group && candidate->frame == 1 && !candidate->readonly) group = candidate;
    ASSERT_TRUE(group);
    const auto record = Control(group->controls, ControlType::ValueBox);
    const WidgetId valueBox = WidgetOf(*record);
    TypeInto(*view.realWidget(valueBox), "12");
    EXPECT_EQ(group->GetValue(record->bitIndex), 12);  // the change chain ran

    view.SelectTab(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.realWidget(valueBox), nullptr);
    view.SelectTab(1);
    EXPECT_EQ(static_cast<QLineEdit*>(view.realWidget(valueBox))->text(), "12");
    EXPECT_EQ(view.shownText(valueBox), "12");
}
