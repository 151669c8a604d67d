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

    // Types both frequencies (an empty text clears the box), presses the
    // button and returns the result shown.
    QString Calculate(const QString& hsync, const QString& pixel)
    {
        for (auto [box, text] : {std::pair{&window.txtHsync(), hsync}, std::pair{&window.txtPixel(), pixel}}) {
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text);
        }
        QTest::mouseClick(&window.cmdPLL(), Qt::LeftButton);
        return window.lblResult().text();
    }
    // How many messages were shown; each must be the invalid-value one.
    size_t invalidMessages() const
    {
        for (const Message& message : dialogs.messages()) {
            EXPECT_EQ(message.text, "Invalid Hsync or Pixel clock value!");
            EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        }
        return dialogs.messages().size();
    }
};

TEST_F(Calculator, DivisorIsPixelClocksPerLineWithTiesToEven)
{
    EXPECT_EQ(window.windowTitle(), "Calculator");
    EXPECT_EQ(Calculate("48.363", "65"), "1344");
    EXPECT_EQ(Calculate(" 31.5 ", "+25.175"), "799");
    EXPECT_EQ(Calculate("60", "0"), "0");
    EXPECT_EQ(Calculate("1", "32.767"), "32767");
    EXPECT_EQ(Calculate("1000", "2.5"), "2");
    EXPECT_EQ(Calculate("1000", "3.5"), "4");
    EXPECT_EQ(Calculate("2", "0.001"), "0");
    EXPECT_EQ(invalidMessages(), 0u);
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
    Calculate("", "1e3");
    EXPECT_EQ(window.txtHsync().text(), "0");
    EXPECT_EQ(window.txtPixel().text(), "0");
    EXPECT_EQ(invalidMessages(), 2u);

    // An empty pixel clock reads as 0.
    EXPECT_EQ(Calculate("60", ""), "0");
    EXPECT_EQ(window.txtPixel().text(), "0");
    EXPECT_EQ(invalidMessages(), 2u);

    QTest::mouseClick(&window.cmdexit(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(NumericText, DecimalNumbersWithSignFractionAndBlanks)
{
    EXPECT_EQ(NumericValue(" -3.5\t"), -3.5);
    EXPECT_EQ(NumericValue("+.25"), 0.25);
    EXPECT_EQ(NumericValue("7."), 7.0);
    for (const char* text : {"", " ", ".", "-", "1.2.3", "1e3", "0x10", "1 2", "--1", "inf"})
        EXPECT_EQ(NumericValue(text), std::nullopt) << text;
}

}  // namespace
