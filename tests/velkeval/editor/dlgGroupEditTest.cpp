#include <gtest/gtest.h>

#include <QListWidget>
#include <QSpinBox>

#include "DialogDriver.h"
#include "TestDevice.h"
#include "dlgGroupEdit.h"

namespace velk {
namespace {

using test::Choose;
using test::Click;
using test::Item;
using test::Retype;

QStringList Entries(QDialog& dialog, const char* list)
{
    QStringList texts;
    auto& widget = Item<QListWidget>(dialog, list);
    for (int i = 0; i < widget.count(); ++i) texts << widget.item(i)->text();
    return texts;
}

TEST(dlgGroupEditTest, FieldsAreAddedAtOnceAndTheItemsByOk)
{
    test::TestDevice device;
    device.AddGroup("Other", "20");
    auto group = device.AddGroup("Mode", "10");
    device.AddField(group, "Full", 0, 0, 8);
    group->height = 400;
    device.state.currentGroup = group;

    dlgGroupEdit editor(device.state);
    test::WhenModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Group Editor");
        Click(dialog, "cmbNewField");
        EXPECT_EQ(device.dialogs.messages().back().title, "No Free Bits for New Field");

        QSpinBox& size = Item<QSpinBox>(dialog, "txtSize");
        size.setFocus();
        QTest::keyClick(&size, Qt::Key_Up);
        EXPECT_EQ(group->size, 2);
        test::WhenModal([](QDialog& fieldEditor) {
            Choose(fieldEditor, "cmbByte", "1");
            Retype(fieldEditor, "txtFieldName", "High");
            Click(fieldEditor, "OKButton");
        });
        Click(dialog, "cmbNewField");
        EXPECT_EQ(Entries(dialog, "lstFields"), (QStringList{"Full", "High"}));
        EXPECT_EQ(group->height, 750);

        test::WhenModal([](QDialog& fieldEditor) { fieldEditor.close(); });
        Click(dialog, "cmbNewField");  // closed without OK: not added
        EXPECT_EQ(Entries(dialog, "lstFields"), (QStringList{"Full", "High"}));
        EXPECT_EQ(group->height, 750);

        test::WhenModal([](QDialog& controlEditor) { Click(controlEditor, "CancelButton"); });
        Click(dialog, "cmbNewCtrl");
        EXPECT_EQ(Entries(dialog, "lstControls"), (QStringList{"TextBox"}));

        Retype(dialog, "txtGroupName", "Other");
        Click(dialog, "OKButton");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(device.dialogs.messages().back().text, "Group name already in use.  Choose a new group name.");
        Retype(dialog, "txtGroupName", "Renamed");
        Retype(dialog, "txtAddress", "3A");
        Choose(dialog, "cmbControlMode", "Series");
        Click(dialog, "OKButton");
    });
    ASSERT_TRUE(editor.DoModal(nullptr));
    EXPECT_EQ(group->groupName, "Renamed");
    EXPECT_EQ(group->address, "3A");
    EXPECT_EQ(group->controlMode, 1);
    EXPECT_EQ(group->childFields.count(), 2);
    EXPECT_EQ(group->controls.count(), 1);
    EXPECT_TRUE(device.state.nameRegistry.Contains("fieldHigh"));

    // Closing drops the item edits and keeps the field changes.
    test::WhenModal([](QDialog& dialog) {
        Retype(dialog, "txtGroupName", "Dropped");
        Item<QListWidget>(dialog, "lstFields").setCurrentRow(1);
        Click(dialog, "cmbDelField");
        dialog.close();
    });
    EXPECT_FALSE(editor.DoModal(nullptr));
    EXPECT_EQ(group->groupName, "Renamed");
    EXPECT_EQ(group->childFields.count(), 1);
}

}  // namespace
}  // namespace velk
