#include "frmSingleReg.h"

#include <algorithm>
#include <exception>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "BitBox.h"
#include "Conversions.h"
#include "NumericText.h"
#include "WindowFont.h"

namespace velk {
namespace {

constexpr int16_t Largest = 255;

// The eight boxes as binary digits, bit 7 first.
std::string DigitsOf(const std::array<BitBox*, 8>& boxes)
{
    std::string digits;
    for (int bit = 7; bit >= 0; --bit) digits += boxes[static_cast<size_t>(bit)]->text().toStdString();
    return digits;
}

// Box i shows character 8 - i of the digits (most significant first).
void ShowDigits(const std::array<BitBox*, 8>& boxes, const std::string& digits)
{
    for (size_t bit = 0; bit < 8; ++bit) boxes[bit]->setText(QString(QChar(digits[7 - bit])));
}

bool IsAddressText(const std::string& text)
{
    return text.size() == 8 && text.find_first_not_of("01") == std::string::npos;
}

// Replaces the text only when it differs, keeping the caret where it was, so
// that typing in the middle of the box goes on naturally.
void ReplaceText(QLineEdit& box, const QString& text)
{
    if (box.text() == text) return;
    const int caret = box.cursorPosition();
    box.setText(text);
    box.setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

QHBoxLayout* BitRow(QWidget& parent, std::array<BitBox*, 8>& boxes, const std::function<void(int)>& click)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (int bit = 7; bit >= 0; --bit) {
        auto* box = new BitBox(&parent);
        box->setOnClick([click, bit] { click(bit); });
        boxes[static_cast<size_t>(bit)] = box;
        row->addWidget(box);
        if (bit == 4) row->addSpacing(6);  // nibbles apart
    }
    row->addStretch();
    return row;
}

}  // namespace

frmSingleReg::frmSingleReg(QWidget* owner, LinkFactory createLink)
    : QWidget(owner, Qt::Window), createLink_(std::move(createLink))
{
    setWindowTitle(QStringLiteral("Load / Read Register"));
    setFont(WindowFont());
    BuildControls();
}

void frmSingleReg::BuildControls()
{
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    grid->addWidget(new QLabel(QStringLiteral("Device Address:"), this), 0, 0);  // Label1
    grid->addLayout(BitRow(*this, txtAddrBit_, [this](int bit) { txtAddrBitClick(bit); }), 0, 1, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("Register Address:"), this), 1, 0);  // Label3
    txtRegAddr_ = new QLineEdit(QStringLiteral("0"), this);
    txtRegAddr_->setFixedWidth(50);
    grid->addWidget(txtRegAddr_, 1, 1);

    grid->addWidget(new QLabel(QStringLiteral("Value:"), this), 2, 0);  // Label2
    txtValue_ = new QLineEdit(QStringLiteral("0"), this);
    txtValue_->setFixedWidth(50);
    grid->addWidget(txtValue_, 2, 1);
    grid->addLayout(BitRow(*this, txtBit_, [this](int bit) { txtBitClick(bit); }), 2, 2);

    auto* buttons = new QHBoxLayout;
    cmdLoad_ = new QPushButton(QStringLiteral("Load"), this);
    cmbRead_ = new QPushButton(QStringLiteral("Read"), this);
    chkAutoLoad_ = new QCheckBox(QStringLiteral("Load Register On Change"), this);
    cmbClose_ = new QPushButton(QStringLiteral("Close"), this);
    buttons->addWidget(cmdLoad_);
    buttons->addWidget(cmbRead_);
    buttons->addWidget(chkAutoLoad_);
    buttons->addStretch();
    buttons->addWidget(cmbClose_);
    grid->addLayout(buttons, 3, 0, 1, 3);

    // Only the user's edits run the change handlers: the texts the handlers
    // put back themselves must not start them again.
    connect(txtRegAddr_, &QLineEdit::textEdited, this, [this] { txtRegAddrChange(); });
    connect(txtValue_, &QLineEdit::textEdited, this, [this] { txtValueChange(); });
    connect(cmdLoad_, &QPushButton::clicked, this, [this] { cmdLoadClick(); });
    connect(cmbRead_, &QPushButton::clicked, this, [this] { cmbReadClick(); });
    connect(cmbClose_, &QPushButton::clicked, this, [this] { cmbCloseClick(); });
}

QLabel& frmSingleReg::txtAddrBit(int bit) const { return *txtAddrBit_.at(static_cast<size_t>(bit)); }

QLabel& frmSingleReg::txtBit(int bit) const { return *txtBit_.at(static_cast<size_t>(bit)); }

void frmSingleReg::Init(const DeviceRecord* device)
{
    regAddress_ = 0;
    value_ = 0;
    txtRegAddr_->setText(QStringLiteral("0"));
    txtValue_->setText(QStringLiteral("0"));
    ShowValueBits();
    addressBits_ = device && IsAddressText(device->currAddress) ? device->currAddress : "00000000";
    DropLink();
    ShowDigits(txtAddrBit_, addressBits_);
    try {
        link_ = createLink_();
    } catch (const std::exception&) {
        link_.reset();
    }
}

void frmSingleReg::txtAddrBitClick(int bit)
{
    txtAddrBit_[static_cast<size_t>(bit)]->Toggle();
    const std::string bits = DigitsOf(txtAddrBit_);
    if (bits == addressBits_) return;
    addressBits_ = bits;
    OnLink([&](DevInterface& link) {
        link.Disconnect();
        link.Connect(BinToInt(addressBits_));
    });
}

void frmSingleReg::txtBitClick(int bit)
{
    txtBit_[static_cast<size_t>(bit)]->Toggle();
    value_ = BinToInt(DigitsOf(txtBit_));
    txtValue_->setText(QString::number(value_));
    WriteIfAutoLoad();
}

void frmSingleReg::txtRegAddrChange()
{
    // Four hexadecimal digits read as 16-bit two's complement; taken here as
    // the unsigned number they write, so FFFF limits to FF like 1FF does.
    const auto typed = static_cast<uint16_t>(TextToInt(txtRegAddr_->text().toStdString(), regAddress_, "hex"));
    regAddress_ = static_cast<int16_t>(std::min<uint16_t>(typed, Largest));
    ReplaceText(*txtRegAddr_, QString::fromStdString(Hex16(regAddress_)));
}

void frmSingleReg::txtValueChange()
{
    const std::string text = txtValue_->text().toStdString();
    const auto number = NumericValue(text);
    if (!number) {
        txtValue_->setText(QString::number(value_));
        return;
    }
    // Numbers beyond 16 bits are limited too instead of falling back. What
    // the user typed stays in the box ("300" while the value is 255); the
    // bits show the value taken.
    if (*number > Largest) value_ = Largest;
    else if (*number < 0) value_ = 0;
    else value_ = ClampValue(TextToInt(text, value_, "dec"), 0, Largest);
    ShowValueBits();
    WriteIfAutoLoad();
}

void frmSingleReg::cmdLoadClick()
{
    OnLink([this](DevInterface& link) { link.WriteByte(regAddress_, value_); });
}

void frmSingleReg::cmbReadClick()
{
    OnLink([this](DevInterface& link) {
        value_ = link.ReadByte(regAddress_);
        txtValue_->setText(QString::number(value_));
        txtValueChange();
    });
}

void frmSingleReg::cmbCloseClick()
{
    DropLink();
    hide();
}

void frmSingleReg::closeEvent(QCloseEvent* event)
{
    DropLink();
    event->accept();
}

void frmSingleReg::ShowValueBits() { ShowDigits(txtBit_, IntToBin(value_, 8)); }

void frmSingleReg::WriteIfAutoLoad()
{
    if (chkAutoLoad_->isChecked()) cmdLoadClick();
}

void frmSingleReg::DropLink()
{
    OnLink([](DevInterface& link) { link.Disconnect(); });
    link_.reset();
}

void frmSingleReg::OnLink(const std::function<void(DevInterface&)>& call)
{
    if (!link_) return;
    try {
        call(*link_);
    } catch (const std::exception&) {
        // The action ends; the window stays as it is.
    }
}

}  // namespace velk
