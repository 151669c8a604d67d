#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "QtColours.h"
#include "RegisterView.h"

using namespace velk;

TEST(QtColours, RedGreenBlueColoursAreStoredBlueFirst)
{
    EXPECT_EQ(ToQColor(RGB(255, 255, 200)), QColor(255, 255, 200));
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(FromQColor(QColor(0x56, 0x34, 0x12)), 0x00123456);
    EXPECT_EQ(FromQColor(ToQColor(RGB(110, 110, 110))), RGB(110, 110, 110));
}

TEST(QtColours, SystemColoursComeFromThePaletteWithOneFallback)
{
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(ToQColor(SystemColour(5)), palette.color(QPalette::Active, QPalette::Base));           // window
    EXPECT_EQ(ToQColor(SystemColour(8)), palette.color(QPalette::Active, QPalette::Text));           // window text
    EXPECT_EQ(ToQColor(SystemColour(15)), palette.color(QPalette::Active, QPalette::Button));        // button face
    EXPECT_EQ(ToQColor(SystemColour(18)), palette.color(QPalette::Active, QPalette::ButtonText));    // button text
    EXPECT_EQ(ToQColor(SystemColour(17)), palette.color(QPalette::Disabled, QPalette::Text));        // grey text
    EXPECT_EQ(ToQColor(SystemColour(13)), palette.color(QPalette::Active, QPalette::Highlight));     // highlight
    EXPECT_EQ(ToQColor(SystemColour(24)), palette.color(QPalette::Active, QPalette::ToolTipBase));   // tool-tip
    // No role for the desktop or the borders, none past 24: one fixed light grey.
    for (const int n : {1, 10, 11, 25, 0x7FFF}) EXPECT_EQ(ToQColor(SystemColour(n)), QColor(192, 192, 192)) << n;
    // Grey text differs from the background it is drawn on in the first row of a byte.
    EXPECT_NE(ToQColor(SystemColour(17)), ToQColor(SystemColour(19)));
}
