#include <gtest/gtest.h>

#include <QCheckBox>

#include "DialogDriver.h"
#include "Factories.h"
#include "TestDevice.h"
#include "dlgEditControl.h"

namespace velk {
namespace {

using test::Choose;
using test::Click;
using test::Item;
using test::Retype;

TEST(dlgEditControlTest, TypedItemsAreWrittenByOkAndDroppedByCancel)
{
    test::TestDevice device;
    device.state.currentGroup = device.AddGroup("Mode", "10");
    device.state.currentGroup->height = 400;
    device.state.currentControl = NewControlRecord(false);
    ControlRecord& record = *device.state.currentControl;
    device.dialogs.QueueColour(0xFF);

    dlgEditControl editor(device.state);
    test::WhenModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Control Editor");
        Choose(dialog, "cmbCtrlType", "Combo Box");
        EXPECT_FALSE(Item<QLineEdit>(dialog, "txtMin").isEnabled());
        Retype(dialog, "txtMax", "3");
        EXPECT_EQ(Item<QComboBox>(dialog, "cmbIndexValues").count(), 4);
        Retype(dialog, "txtWidth", "5000");
        EXPECT_EQ(Item<QLineEdit>(dialog, "txtWidth").text(), "2000");
        Retype(dialog, "txtY", "900");
        EXPECT_EQ(Item<QLineEdit>(dialog, "txtY").text(), "400");
        Choose(dialog, "cmbIndexValues", "1");
        Retype(dialog, "txtValue", "On");
        Click(dialog, "cmdChange");
        QTest::mouseClick(&Item<QCheckBox>(dialog, "chkDefaultColors"), Qt::LeftButton);
        QTest::mouseClick(&Item<QWidget>(dialog, "lblForecolor"), Qt::LeftButton);
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(editor.DoModal(nullptr));
    EXPECT_EQ(record.controlType, 1);
    EXPECT_EQ(record.max, 3);
    EXPECT_EQ(record.width, 2000);
    EXPECT_EQ(record.y, 400);
    EXPECT_EQ(record.indexCount(), 4);
    EXPECT_EQ(record.indexValues(1), "On");
    EXPECT_TRUE(record.colorsSet);
    EXPECT_EQ(record.fg, 0xFF);

    test::WhenModal([](QDialog& dialog) {
        Retype(dialog, "txtWidth", "10");
        Choose(dialog, "cmbCtrlType", "Label");
        Click(dialog, "CancelButton");
    });
    EXPECT_FALSE(editor.DoModal(nullptr));
    EXPECT_EQ(record.width, 2000);
    EXPECT_EQ(record.controlType, 1);
}

}  // namespace
}  // namespace velk
