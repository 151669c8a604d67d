#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "ControlType.h"
#include "Field.h"
#include "HeadlessRegisterView.h"
#include "UpDownSpinner.h"
#include "WindowOnBoard.h"

using namespace velk;

namespace {

std::vector<std::string> Items(const std::string& prefix, int from, int to)
{
    std::vector<std::string> items;
    for (int i = from; i <= to; ++i) items.push_back(prefix + std::to_string(i));
    return items;
}

// Register 10 of one byte: Mode (bits 7..4) with a text box, a list and an
// up-down; Flag (bit 3); Gain (bits 2..0) with a scroll bar and a display
// whose values start at 2; a group text box showing the whole byte.
GroupSpec ControlRegister()
{
    GroupSpec plan{"Control", "10", 1, {}};
    plan.controlMode = 1;  // Series: the group controls show the byte
    plan.fields = {
        {"Mode", 0, 4, 4,
         {Described(ControlType::TextBox, 0, 15, 0, 50, 400),
          Described(ControlType::Combo, 0, 15, 450, 50, 800, Items("m", 0, 15)),
          Described(ControlType::UpDown, 0, 15, 1300, 50, 600)}},
        {"Flag", 0, 3, 1},
        {"Gain", 0, 0, 3,
         {Described(ControlType::Scrollbar, 0, 7, 0, 750, 1200),
          Described(ControlType::Display, 2, 7, 1300, 750, 600, Items("g", 2, 7))}},
    };
    plan.controls = {Described(ControlType::TextBox, 0, 255, 0, 400, 600)};
    return plan;
}

struct FieldAndGroupEvents : WindowOnBoard {
    std::shared_ptr<Group> group;
    std::shared_ptr<Field> mode, flag, gain;

    void SetUp() override
    {
        WindowOnBoard::SetUp();
        ConnectDevice();
        group = AddGroup(state, ControlRegister());
        mode = group->childFields.Item(1);
        flag = group->childFields.Item(2);
        gain = group->childFields.Item(3);
        QTest::mouseClick(window.furniture().chkAutoLoad, Qt::LeftButton);
        ASSERT_TRUE(state.loadOnChange);
    }

    QWidget& Widget(const std::shared_ptr<Field>& field, int32_t type) const
    {
        return *view.realWidget(WidgetOf(*Control(field->controls, type)));
    }

    // Every control of the register shows the byte and the field values in it.
    void ExpectRegisterShows(int byte)
    {
        SCOPED_TRACE("register byte " + std::to_string(byte));
        const int modeValue = byte >> 4, gainValue = byte & 7;
        EXPECT_EQ(Shown(*Control(mode->controls, ControlType::TextBox)), std::to_string(modeValue));
        EXPECT_EQ(Shown(*Control(mode->controls, ControlType::Combo)), "m" + std::to_string(modeValue));
        EXPECT_EQ(Shown(*Control(mode->controls, ControlType::UpDown)), std::to_string(modeValue));
        EXPECT_EQ(view.spinner(WidgetOf(*Control(mode->controls, ControlType::UpDown)))->value(), modeValue);
        EXPECT_EQ(Shown(*Control(gain->controls, ControlType::Scrollbar)), std::to_string(gainValue));
        // The display's list starts at 2 but is indexed by the value itself.
        const int shownGain = std::max(gainValue, 2);
        EXPECT_EQ(Shown(*Control(gain->controls, ControlType::Display)),
                  shownGain < 6 ? "g" + std::to_string(shownGain + 2) : "");
        EXPECT_EQ(Shown(*Control(group->controls, ControlType::TextBox)), std::to_string(byte));
        EXPECT_EQ(Shown(*Control(group->controls, ControlType::ValueBox)), std::to_string(byte));
        for (const auto& field : {mode, flag, gain}) {
            for (const auto& record : field->controls) {
                if (record->controlType != ControlType::Bit && record->controlType != ControlType::RdOnlyBit)
                    continue;
                EXPECT_EQ(Shown(*record), std::to_string((byte >> record->bitIndex) & 1))
                    << field->fieldName << " bit " << record->bitIndex;
            }
        }
    }
};

}  // namespace

TEST_F(FieldAndGroupEvents, TypingIntoAFieldTextBoxUpdatesTheRegisterAndEveryControl)
{
    TypeInto(Widget(mode, ControlType::TextBox), "9");
    EXPECT_EQ(mode->value, 9);
    ExpectRegisterShows(0x90);
    EXPECT_EQ(ChipRegister(0x10), 0x90);

    // Beyond max: refused, the box shows the old value again, the register is written once more.
    ports.board().SetRegister(Chip, 0x10, 0);
    TypeInto(Widget(mode, ControlType::TextBox), "1");
    TypeInto(Widget(mode, ControlType::TextBox), "99");
    EXPECT_EQ(mode->value, 9);
    ExpectRegisterShows(0x90);
    EXPECT_EQ(ChipRegister(0x10), 0x90);
}

TEST_F(FieldAndGroupEvents, TypingIntoTheValueBoxSetsEveryField)
{
    auto& valueBox = *view.realWidget(WidgetOf(*Control(group->controls, ControlType::ValueBox)));
    TypeInto(valueBox, "173");  // 1010 1 101
    EXPECT_EQ(mode->value, 10);
    EXPECT_EQ(flag->value, 1);
    EXPECT_EQ(gain->value, 5);
    ExpectRegisterShows(173);
    EXPECT_EQ(ChipRegister(0x10), 173);
}

TEST_F(FieldAndGroupEvents, ClickingABitBoxFlipsItAndTheFieldFollows)
{
    const auto bit4 = Control(mode->controls, ControlType::Bit, 3);  // bits 7, 6, 5, 4 in that order
    ASSERT_EQ(bit4->bitIndex, 4);
    ClickDrawn(*bit4);
    EXPECT_EQ(mode->value, 1);
    ExpectRegisterShows(0x10);
    EXPECT_EQ(ChipRegister(0x10), 0x10);

    // Without "Load Register On Change" the chip keeps what it had.
    QTest::mouseClick(window.furniture().chkAutoLoad, Qt::LeftButton);
    ClickDrawn(*Control(flag->controls, ControlType::Bit));
    ExpectRegisterShows(0x18);
    EXPECT_EQ(ChipRegister(0x10), 0x10);

    // Read-only boxes of the first row and dummy boxes do not react.
    ClickDrawn(*Control(mode->controls, ControlType::RdOnlyBit));
    ClickDrawn(*Control(flag->controls, ControlType::DummyBit));
    ExpectRegisterShows(0x18);
}

TEST_F(FieldAndGroupEvents, SteppingTheUpDownStepsTheFieldWithinItsRange)
{
    UpDownSpinner& spinner = *view.spinner(WidgetOf(*Control(mode->controls, ControlType::UpDown)));
    const QPoint up(spinner.width() / 2, 2), down(spinner.width() / 2, spinner.height() - 2);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, up);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, up);
    ExpectRegisterShows(0x20);
    EXPECT_EQ(ChipRegister(0x10), 0x20);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, down);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, down);
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, down);  // stays at 0
    ExpectRegisterShows(0x00);
    EXPECT_EQ(ChipRegister(0x10), 0x00);
}

TEST_F(FieldAndGroupEvents, MovingTheScrollBarAndChoosingAListItem)
{
    auto& bar = static_cast<QScrollBar&>(Widget(gain, ControlType::Scrollbar));
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_End);
    ExpectRegisterShows(0x07);  // 7 has no display item: nothing selected
    EXPECT_EQ(ChipRegister(0x10), 0x07);
    const QPoint leftArrow(3, bar.height() / 2);
    for (int click = 0; click < 4; ++click) QTest::mouseClick(&bar, Qt::LeftButton, {}, leftArrow);
    ExpectRegisterShows(0x03);

    auto& list = static_cast<QComboBox&>(Widget(mode, ControlType::Combo));
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    ExpectRegisterShows(0x23);
    EXPECT_EQ(ChipRegister(0x10), 0x23);
}

TEST_F(FieldAndGroupEvents, NothingIsPassedOnWhileEventsAreDisabled)
{
    state.eventsEnabled = false;
    TypeInto(Widget(mode, ControlType::TextBox), "5");
    EXPECT_EQ(mode->value, 0);
    EXPECT_EQ(ChipRegister(0x10), 0);
    // The bit box still flips, only its change goes nowhere.
    const auto bit7 = Control(mode->controls, ControlType::Bit);
    ClickDrawn(*bit7);
    EXPECT_EQ(Shown(*bit7), "1");
    EXPECT_EQ(mode->value, 0);
}

TEST_F(FieldAndGroupEvents, AValueBoxThatDoesNotHoldAByteBeepsAndKeepsTheFocus)
{
    auto& valueBox =
        static_cast<QLineEdit&>(*view.realWidget(WidgetOf(*Control(group->controls, ControlType::ValueBox))));
    auto& other = Widget(mode, ControlType::TextBox);
    // Typed one key at a time: "3" and "30" are bytes and reach the group, "300" does not.
    for (const QString text : {"300", "&H10"}) {
        SCOPED_TRACE(text.toStdString());
        const int beeps = dialogs.beeps();
        TypeInto(valueBox, text);
        EXPECT_EQ(valueBox.text(), text);
        EXPECT_EQ(group->GetValue(0), 30);
        EXPECT_EQ(ChipRegister(0x10), 30);
        other.setFocus();
        EXPECT_EQ(dialogs.beeps(), beeps + 1);
        EXPECT_TRUE(valueBox.hasFocus());
    }
    TypeInto(valueBox, "7");
    other.setFocus();
    EXPECT_TRUE(other.hasFocus());
    EXPECT_EQ(dialogs.beeps(), 2);
    ExpectRegisterShows(7);
}

namespace {

// Register 20: one byte a radix, each field shown by a text box and an
// up-down of range 0 to 255 (three typed digits), and a fifth byte whose
// boxes range from -100 to 100.
GroupSpec RadixRegister()
{
    GroupSpec plan{"Radixes", "20", 5, {}};
    const std::vector<std::string> radixes = {"dec", "hex", "oct", "bin", "dec"};
    for (int16_t byte = 0; byte < 5; ++byte) {
        std::vector<ControlSpec> boxes = {Described(ControlType::TextBox, 0, 255, 0, 50, 1200),
                                          Described(ControlType::UpDown, 0, 255, 1300, 50, 1200)};
        for (ControlSpec& box : boxes) {
            box.radix = radixes[static_cast<size_t>(byte)];
            if (byte == 4) box.min = -100, box.max = 100;
        }
        plan.fields.emplace_back(plan.name + std::to_string(byte), byte, 0, 8, boxes);
    }
    return plan;
}

}  // namespace

TEST_F(WindowOnBoard, BoxesShowTheWholeTextTheProgramWritesAndLimitOnlyTyping)
{
    HeadlessRegisterView headless;
    ProgramState recorded(headless, dialogs);
    ConnectDevice();
    const auto group = AddGroup(state, RadixRegister());
    const auto recordedGroup = AddGroup(recorded, RadixRegister());
    state.eventsEnabled = false;  // the program's own writes only
    for (const int16_t value : {5, 255, -100}) {
        for (int16_t f = 1; f <= 5; ++f) {
            group->childFields.Item(f)->value = value;
            group->childFields.Item(f)->UpdateControls(view);
            recordedGroup->childFields.Item(f)->value = value;
            recordedGroup->childFields.Item(f)->UpdateControls(headless);
        }
        for (const auto& field : group->childFields)
            for (const int32_t type : {ControlType::TextBox, ControlType::UpDown}) {
                const WidgetId id = WidgetOf(*Control(field->controls, type));
                SCOPED_TRACE(field->fieldName + " " + std::to_string(type) + " at " + std::to_string(value));
                EXPECT_EQ(Shown(*Control(field->controls, type)), headless.widget(id).text);
            }
    }

    // The binary up-down steps: its eight digits reach the field whole.
    state.eventsEnabled = true;
    const auto binary = group->childFields.Item(4);
    binary->value = 5;
    binary->UpdateControls(view);
    const auto upDown = Control(binary->controls, ControlType::UpDown);
    UpDownSpinner& spinner = *view.spinner(WidgetOf(*upDown));
    QTest::mouseClick(&spinner, Qt::LeftButton, {}, QPoint(spinner.width() / 2, 2));
    EXPECT_EQ(binary->value, 6);
    EXPECT_EQ(Shown(*upDown), "00000110");

    // Typing stays within three characters; a longer text the program wrote
    // may be shortened but not lengthened.
    auto& decimal = static_cast<QLineEdit&>(*view.realWidget(WidgetOf(*Control(group->childFields.Item(1)->controls, ControlType::TextBox))));
    TypeInto(decimal, "1234");
    EXPECT_EQ(decimal.text(), "123");
    auto& binaryBox = static_cast<QLineEdit&>(*view.realWidget(WidgetOf(*Control(binary->controls, ControlType::TextBox))));
    binaryBox.setFocus();
    binaryBox.end(false);
    QTest::keyClick(&binaryBox, Qt::Key_1);
    EXPECT_EQ(binaryBox.text(), "00000110");
    QTest::keyClick(&binaryBox, Qt::Key_Backspace);  // taken, and redrawn in eight digits
    EXPECT_EQ(binary->value, 3);
    EXPECT_EQ(binaryBox.text(), "00000011");
}
