#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "DeShiftRegister.h"
#include "NullPorts.h"
#include "RecordingPorts.h"
#include "SimPorts.h"
#include "TempDir.h"
#include "TextFit.h"
#include "frmSyncdelay.h"

using namespace syncdelay;

namespace {

// One word is 50 data writes at most, each with its strobe; a word's
// transfer starts with the data write 24 and ends with 28.
int WordsWritten(const RecordingPorts& ports)
{
    int words = 0;
    for (int value : ports.ValuesAt(888))
        if (value == 28) ++words;
    return words;
}

struct SyncdelayWindow : ::testing::Test {
    RecordingPorts ports;
    std::vector<std::string> failures;
    frmSyncdelay window{ports, [this](const std::string& failure) { failures.push_back(failure); }};

    void Type(int index, const QString& text)
    {
        window.txtDelay(index)->selectAll();
        QTest::keyClicks(window.txtDelay(index), text);
    }
};

}  // namespace

TEST_F(SyncdelayWindow, EveryCaptionShowsWholeInItsBox)
{
    window.show();
    for (const std::string& misfit : textfit::Misfits(window)) ADD_FAILURE() << misfit;
}

TEST_F(SyncdelayWindow, LoadSetsTheStartValuesAndSendsNothing)
{
    EXPECT_EQ(window.windowTitle(), "Program DE Generation");
    EXPECT_EQ(window.txtDelay(0)->text(), "64");
    EXPECT_EQ(window.txtDelay(1)->text(), "16");
    EXPECT_EQ(window.HScroll1(0)->value(), 64);
    EXPECT_EQ(window.HScroll1(1)->value(), 16);
    EXPECT_EQ(window.HScroll1(0)->maximum(), 255);
    EXPECT_EQ(window.HScroll1(1)->maximum(), 63);
    EXPECT_TRUE(window.optHsyncPolarity(1)->isChecked());
    EXPECT_TRUE(window.optVsyncPolarity(1)->isChecked());
    EXPECT_FALSE(window.realtime()->isChecked());
    EXPECT_EQ(window.realtime()->text(), "Check1");
    EXPECT_EQ(window.optVsyncPolarity(0)->text(), "Option1");
    EXPECT_EQ(window.optHsyncPolarity(0)->text(), "Active Low");
    EXPECT_EQ(window.WordBits(), "0000001000001011");
    EXPECT_TRUE(ports.writes.empty());

    // 120/120/1095/255 and 2970/495/375/285 twips at 15 twips a pixel
    const auto* label = window.findChild<QLabel*>("Label3");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(8, 8, 73, 17));
    EXPECT_EQ(window.txtDelay(1)->geometry(), QRect(198, 33, 25, 19));
    EXPECT_EQ(window.HScroll1(0)->geometry(), QRect(84, 9, 103, 16));
}

TEST_F(SyncdelayWindow, WithoutLoadOnChangeOnlyWriteSends)
{
    QTest::mouseClick(window.optHsyncPolarity(0), Qt::LeftButton);
    window.HScroll1(1)->setValue(63);
    Type(0, "200");
    EXPECT_TRUE(ports.writes.empty());
    EXPECT_EQ(window.txtDelay(1)->text(), "63");

    QTest::mouseClick(window.cmbWrite(), Qt::LeftButton);
    EXPECT_EQ(WordsWritten(ports), 1);
    EXPECT_EQ(window.WordBits(), "0001001111111101");
    EXPECT_EQ(ports.claims, 1);
}

TEST_F(SyncdelayWindow, WithLoadOnChangeEveryChangeWritesOnce)
{
    QTest::mouseClick(window.realtime(), Qt::LeftButton);
    ASSERT_TRUE(ports.writes.empty());

    window.HScroll1(1)->setValue(63);
    EXPECT_EQ(window.txtDelay(1)->text(), "63");
    EXPECT_EQ(WordsWritten(ports), 1);

    QTest::mouseClick(window.optVsyncPolarity(0), Qt::LeftButton);
    EXPECT_EQ(WordsWritten(ports), 2);

    window.txtDelay(0)->setText("5");
    EXPECT_EQ(window.HScroll1(0)->value(), 5);
    EXPECT_EQ(WordsWritten(ports), 3);

    QTest::mouseClick(window.realtime(), Qt::LeftButton);  // off again
    window.HScroll1(0)->setValue(6);
    EXPECT_EQ(WordsWritten(ports), 3);
}

TEST_F(SyncdelayWindow, ADelayTextTheScrollBarCannotTakeIsRefused)
{
    QTest::mouseClick(window.realtime(), Qt::LeftButton);
    for (const char* bad : {"64x", "-1", "", "256", " 7", "+3", "1.5"}) {
        window.txtDelay(0)->setText(bad);
        EXPECT_EQ(window.txtDelay(0)->text(), "64") << bad;
    }
    window.txtDelay(1)->setText("64");  // beyond the Vsync maximum of 63
    EXPECT_EQ(window.txtDelay(1)->text(), "16");
    EXPECT_EQ(window.HScroll1(0)->value(), 64);
    EXPECT_EQ(window.HScroll1(1)->value(), 16);
    EXPECT_TRUE(ports.writes.empty());

    window.txtDelay(0)->setText("255");
    EXPECT_EQ(WordsWritten(ports), 1);
}

TEST(SyncdelayOnTheBoard, TheLatchedWordIsWhatTheWindowShows)
{
    TempDir dir;
    portio::SimPorts ports(dir.file("board"));
    frmSyncdelay window(ports, [](const std::string&) {});
    window.txtDelay(0)->setText("200");
    window.txtDelay(1)->setText("45");
    window.optHsyncPolarity(0)->click();
    window.Write();
    const portio::SimBoard::DeWord latched = ports.board().LastDeWord();
    EXPECT_EQ(latched.latchCount, 1u);
    EXPECT_EQ(latched.word, 200 | 45 << 8 | 0 << 14 | 1 << 15);
    EXPECT_EQ(portio::DeWordString(latched.word), window.WordBits());
}

TEST(SyncdelayOnTheBoard, AFailedPortIsReportedNotThrown)
{
    portio::UnavailablePorts ports("no port here");
    std::vector<std::string> failures;
    frmSyncdelay window(ports, [&failures](const std::string& failure) { failures.push_back(failure); });
    window.cmbWrite()->click();
    EXPECT_EQ(failures, std::vector<std::string>{"no port here"});
}
