// The USB board selection as the user meets it: the real dialog, its list,
// "Detect" and "OK", answered through QtUserDialogs.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "ModalScript.h"
#include "QtUserDialogs.h"
#include "frmUSBConfig.h"

using namespace velk;

namespace {

QStringList Listed(const frmUSBConfig& dialog)
{
    QStringList texts;
    for (int i = 0; i < dialog.lstDevices().count(); ++i) texts << dialog.lstDevices().item(i)->text();
    return texts;
}

// A bus on which a second board turns up after the first detection.
struct Boards {
    int detections = 0;
    UsbBoardDetector detector()
    {
        return [this] {
            ++detections;
            std::vector<UsbBoardEntry> found{{0, "EP-PAIR Version 1.2"}};
            if (detections > 1) found.push_back({3, "BULKLOOP Version 3.10"});
            return found;
        };
    }
};

}  // namespace

TEST(USBConfig, ListsOnOpeningAndOnDetectAndOkTakesTheSelectedBoard)
{
    QtUserDialogs dialogs;
    Boards boards;
    ModalScript script{[&](QWidget& widget) {
        auto* dialog = dynamic_cast<frmUSBConfig*>(&widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Listed(*dialog), QStringList{"EP-PAIR Version 1.2"});
        dialog->cmdDetect().click();
        EXPECT_EQ(Listed(*dialog), (QStringList{"EP-PAIR Version 1.2", "BULKLOOP Version 3.10"}));
        dialog->lstDevices().setCurrentRow(1);
        dialog->cmdOK().click();
    }};
    EXPECT_EQ(dialogs.ChooseUsbBoard(boards.detector()), 3);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(boards.detections, 2);
}

TEST(USBConfig, NoBoardIsChosenWithoutASelectionOrWhenClosed)
{
    QtUserDialogs dialogs;
    Boards boards;
    ModalScript okAlone{[](QWidget& widget) { dynamic_cast<frmUSBConfig&>(widget).cmdOK().click(); }};
    EXPECT_EQ(dialogs.ChooseUsbBoard(boards.detector()), std::nullopt);
    ModalScript closed{[](QWidget& widget) {
        auto& dialog = dynamic_cast<frmUSBConfig&>(widget);
        dialog.lstDevices().setCurrentRow(0);
        dialog.close();
    }};
    EXPECT_EQ(dialogs.ChooseUsbBoard(boards.detector()), std::nullopt);
    EXPECT_TRUE(okAlone.done() && closed.done());
}
