#include <gtest/gtest.h>

#include <QListWidget>

#include "DialogDriver.h"
#include "Factories.h"
#include "TestDevice.h"
#include "dlgFieldEdit.h"

namespace velk {
namespace {

using test::Choose;
using test::Click;
using test::Item;
using test::Retype;

TEST(dlgFieldEditTest, OkStoresTheFieldOnceItsPositionIsFree)
{
    test::TestDevice device;
    auto group = device.AddGroup("Mode", "10", 2);
    device.AddField(group, "Low", 0, 0, 4);
    device.state.currentGroup = group;
    device.state.currentField = NewField(device.state);
    Field& field = *device.state.currentField;

    dlgFieldEdit editor(device.state);
    test::WhenModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Field Editor");
        EXPECT_EQ(Item<QLineEdit>(dialog, "txtFieldName").text(), "NewField0");
        // The system colours of a new field: each swatch's caption stays readable.
        for (const char* swatch : {"lblForecolor", "lblBackcolor"}) {
            const QPalette& look = Item<QWidget>(dialog, swatch).palette();
            EXPECT_NE(look.color(QPalette::WindowText), look.color(QPalette::Window)) << swatch;
        }
        Retype(dialog, "txtFieldName", "Mode Bits");
        Retype(dialog, "txtRangeUpper", "4");
        Retype(dialog, "txtRangeLower", "3");
        Click(dialog, "OKButton");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(device.dialogs.messages().back().title, "Invalid Field Position");

        Retype(dialog, "txtRangeUpper", "7");
        Retype(dialog, "txtRangeLower", "4");
        Retype(dialog, "txtDefaultValue", "A");
        Choose(dialog, "cmbDVRadix", "hex");
        test::WhenModal([](QDialog& controlEditor) { Click(controlEditor, "OKButton"); });
        Click(dialog, "cmbNewCtrl");
        EXPECT_EQ(Item<QListWidget>(dialog, "lstControls").count(), 1);
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(editor.DoModal(nullptr));
    EXPECT_EQ(field.fieldName, "Mode Bits");
    EXPECT_EQ(field.bitIndex, 4);
    EXPECT_EQ(field.size, 4);
    EXPECT_EQ(field.defaultValue, 10);
    EXPECT_EQ(field.fg, static_cast<int32_t>(0x80000012u));
    ASSERT_EQ(field.controls.count(), 1);
    EXPECT_EQ(field.controls.Item(1)->max, 15);
    EXPECT_EQ(field.controls.Item(1)->y, 50);  // the row above Low

    // Closing keeps the control changes only.
    test::WhenModal([](QDialog& dialog) {
        Retype(dialog, "txtFieldName", "Lost");
        dialog.findChild<QListWidget*>("lstControls")->setCurrentRow(0);
        Click(dialog, "cmbDelCtrl");
        dialog.close();
    });
    EXPECT_FALSE(editor.DoModal(nullptr));
    EXPECT_EQ(field.fieldName, "Mode Bits");
    EXPECT_EQ(field.controls.count(), 0);
}

}  // namespace
}  // namespace velk
