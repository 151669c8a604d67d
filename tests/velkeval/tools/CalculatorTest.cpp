#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "NumericText.h"
#include "ScriptedDialogs.h"
#include "frmCalculator.h"

using namespace velk;

namespace {

struct Calculator : ::testing::Test {
    ScriptedDialogs dialogs;
    frmCalculator window{nullptr, dialogs};

    void SetUp() override { window.show(); }

    // Types both frequencies and presses the button; returns the result shown.
    QString Calculate(const QString& hsync, const QString& pixel)
    {
        Type(window.txtHsync(), hsync);
        Type(window.txtPixel(), pixel);
        QTest::mouseClick(&window.cmdPLL(), Qt::LeftButton);
        return window.lblResult().text();
    }
    static void Type(QLineEdit& box, const QString& text)
    {
        box.setFocus();
        box.selectAll();
        if (text.isEmpty()) QTest::keyClick(&box, Qt::Key_Delete);
        else QTest::keyClicks(&box, text);
    }
    size_t invalidMessages() const
    {
        size_t count = 0;
        for (const Message& message : dialogs.messages()) {
            EXPECT_EQ(message.text, "Invalid Hsync or Pixel clock value!");
            EXPECT_EQ(message.icon, MessageIcon::Exclamation);
            ++count;
        }
        return count;
    }
};

TEST_F(Calculator, DivisorIsPixelClocksPerLine)
{
    EXPECT_EQ(Calculate("48.363", "65"), "1344");
    EXPECT_EQ(Calculate(" 31.5 ", "+25.175"), "799");
    EXPECT_EQ(Calculate("60", "0"), "0");
    EXPECT_EQ(Calculate("1", "32.767"), "32767");
    EXPECT_EQ(invalidMessages(), 0u);
}

TEST_F(Calculator, TiesRoundToEven)
{
    EXPECT_EQ(Calculate("1000", "2.5"), "2");
    EXPECT_EQ(Calculate("1000", "3.5"), "4");
    EXPECT_EQ(Calculate("2", "0.001"), "0");
    EXPECT_EQ(Calculate("2", "0.003"), "2");
}

TEST_F(Calculator, InvalidValuesShowTheMessageAndKeepTheResult)
{
    Calculate("48.363", "65");
    EXPECT_EQ(Calculate("0.5", "65"), "1344");  // Hsync below 1
    EXPECT_EQ(Calculate("60", "-1"), "1344");
    EXPECT_EQ(Calculate("3", "100"), "1344");  // 33333 does not fit 16 bits
    EXPECT_EQ(Calculate("1", "32.7675"), "1344");  // rounds to 32768
    EXPECT_EQ(invalidMessages(), 4u);
}

TEST_F(Calculator, TextThatIsNotANumberBecomesZero)
{
    Calculate("fast", "65");
    EXPECT_EQ(window.txtHsync().text(), "0");
    EXPECT_EQ(window.txtPixel().text(), "65");
    EXPECT_EQ(invalidMessages(), 1u);

    Calculate("", "1e3");
    EXPECT_EQ(window.txtHsync().text(), "0");
    EXPECT_EQ(window.txtPixel().text(), "0");
    EXPECT_EQ(invalidMessages(), 2u);

    // An empty pixel clock is not a number either; with a valid Hsync it is 0.
    EXPECT_EQ(Calculate("60", ""), "0");
    EXPECT_EQ(window.txtPixel().text(), "0");
    EXPECT_EQ(invalidMessages(), 2u);
}

TEST_F(Calculator, CloseHidesTheWindow)
{
    QTest::mouseClick(&window.cmdexit(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(NumericText, DecimalNumbersWithSignFractionAndBlanks)
{
    EXPECT_EQ(NumericValue("12"), 12.0);
    EXPECT_EQ(NumericValue(" -3.5\t"), -3.5);
    EXPECT_EQ(NumericValue("+.25"), 0.25);
    EXPECT_EQ(NumericValue("7."), 7.0);
    for (const char* text : {"", "  ", ".", "-", "1.2.3", "1e3", "0x10", "12a", "1 2", "--1", "inf", "nan"})
        EXPECT_EQ(NumericValue(text), std::nullopt) << text;
}

}  // namespace
