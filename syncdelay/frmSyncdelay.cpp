#include "frmSyncdelay.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "DeWord.h"
#include "Twips.h"
#include "WindowFont.h"

namespace syncdelay {
namespace {

template <class Widget>
Widget* Place(Widget* widget, const char* name, const QRect& rect)
{
    widget->setObjectName(name);
    widget->setGeometry(rect);
    return widget;
}

// Decimal digits only, within 0..maximum; -1 for anything else.
int DelayValue(const QString& text, int maximum)
{
    if (text.isEmpty() || text.size() > 5) return -1;
    for (const QChar c : text)
        if (c < '0' || c > '9') return -1;
    const int value = text.toInt();
    return value <= maximum ? value : -1;
}

}  // namespace

frmSyncdelay::frmSyncdelay(portio::Ports& ports, FailureReport reportFailure, QWidget* parent)
    : QWidget(parent), ports_(ports), reportFailure_(std::move(reportFailure))
{
    setObjectName("frmSyncdelay");
    setWindowTitle("Program DE Generation");
    setFont(velk::WindowFont());
    setFixedSize(TwipsToPixels(4740), TwipsToPixels(2970));
    BuildControls();
    ConnectHandlers();

    // Window load: the delays through their change handlers and both
    // polarities active high; the write-on-change flag is still off.
    txtDelay_[0]->setText("64");
    txtDelay_[1]->setText("16");
    optHsync_[1]->setChecked(true);
    optVsync_[1]->setChecked(true);
}

void frmSyncdelay::BuildControls()
{
    Place(new QLabel("Hsync Delay", this), "Label3", RectInTwips(120, 120, 1095, 255));
    Place(new QLabel("Vsync Delay", this), "Label4", RectInTwips(120, 480, 1095, 255));
    const int maximum[] = {255, 63};
    const int top[] = {135, 495};
    const int textTop[] = {120, 495};
    for (int i = 0; i < 2; ++i) {
        hScroll_[i] = Place(new QScrollBar(Qt::Horizontal, this), "HScroll1", RectInTwips(1260, top[i], 1545, 240));
        hScroll_[i]->setRange(0, maximum[i]);
        hScroll_[i]->setValue(50);
        hScroll_[i]->setProperty("index", i);
        txtDelay_[i] = Place(new QLineEdit("50", this), "txtDelay", RectInTwips(2970, textTop[i], 375, 285));
        txtDelay_[i]->setProperty("index", i);
        acceptedText_[i] = "50";
    }

    // Each frame holds its two option buttons side by side, wide enough for
    // "Active High" beside its indicator.
    auto* hsync = Place(new QGroupBox("Hsync", this), "Frame1", RectInTwips(90, 900, 2235, 615));
    auto* vsync = Place(new QGroupBox("Vsync", this), "Vsync", RectInTwips(2385, 900, 2235, 615));
    const char* hsyncCaptions[] = {"Active Low", "Active High"};
    for (int i = 0; i < 2; ++i) {
        optHsync_[i] = Place(new QRadioButton(hsyncCaptions[i], hsync), "optHsyncPolarity",
                             RectInTwips(90 + 1065 * i, 270, 1050, 255));
        optVsync_[i] = Place(new QRadioButton("Option1", vsync), "optVsyncPolarity",
                             RectInTwips(90 + 1065 * i, 270, 1050, 255));
    }

    realtime_ = Place(new QCheckBox("Check1", this), "realtime", RectInTwips(120, 1680, 975, 255));
    Place(new QLabel("Load Register on Change", this), "Label31", RectInTwips(1140, 1680, 2175, 255));
    cmbWrite_ = Place(new QPushButton("Write", this), "cmbWrite", RectInTwips(1140, 2160, 1095, 375));
    cmbClose_ = Place(new QPushButton("Close", this), "cmbClose", RectInTwips(2415, 2160, 1095, 375));
}

void frmSyncdelay::ConnectHandlers()
{
    for (int i = 0; i < 2; ++i) {
        connect(hScroll_[i], &QScrollBar::valueChanged, this, [this, i] { ScrollChanged(i); });
        connect(txtDelay_[i], &QLineEdit::textChanged, this, [this, i] { DelayTextChanged(i); });
        connect(optHsync_[i], &QRadioButton::clicked, this, [this] { WriteOnChange(); });
        connect(optVsync_[i], &QRadioButton::clicked, this, [this] { WriteOnChange(); });
    }
    connect(realtime_, &QCheckBox::toggled, this, [this](bool checked) { writeOnChange_ = checked; });
    connect(cmbWrite_, &QPushButton::clicked, this, [this] { Write(); });
    connect(cmbClose_, &QPushButton::clicked, this, &QWidget::close);
}

void frmSyncdelay::ScrollChanged(int index)
{
    const int value = hScroll_[index]->value();
    if (DelayValue(txtDelay_[index]->text(), hScroll_[index]->maximum()) != value)
        txtDelay_[index]->setText(QString::number(value));
}

// A text the scroll bar cannot take is refused: the last one taken comes
// back without counting as a change.
void frmSyncdelay::DelayTextChanged(int index)
{
    QLineEdit* box = txtDelay_[index];
    const int value = DelayValue(box->text(), hScroll_[index]->maximum());
    if (value < 0) {
        const QSignalBlocker quiet(box);
        box->setText(acceptedText_[index]);
        return;
    }
    acceptedText_[index] = box->text();
    hScroll_[index]->setValue(value);
    WriteOnChange();
}

void frmSyncdelay::WriteOnChange()
{
    if (writeOnChange_) Write();
}

std::string frmSyncdelay::WordBits() const
{
    return DeWordBits(txtDelay_[0]->text().toInt(), txtDelay_[1]->text().toInt(), !optHsync_[0]->isChecked(),
                      !optVsync_[0]->isChecked());
}

void frmSyncdelay::Write()
{
    try {
        ShiftOutWord(ports_, WordBits(), DePortBase);
    } catch (const portio::PortError& error) {
        reportFailure_(error.what());
    }
}

}  // namespace syncdelay
