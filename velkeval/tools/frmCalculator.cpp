#include "frmCalculator.h"

#include <cstdint>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Conversions.h"
#include "NumericText.h"
#include "WindowFont.h"

namespace velk {

frmCalculator::frmCalculator(QWidget* owner, UserDialogs& dialogs) : QWidget(owner, Qt::Window), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Calculator"));
    setFont(WindowFont());
    BuildControls();
}

void frmCalculator::BuildControls()
{
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    grid->addWidget(new QLabel(QStringLiteral("Hsync(kHz)"), this), 0, 0);  // lblHsync
    txtHsync_ = new QLineEdit(this);
    grid->addWidget(txtHsync_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Pixel Clock (MHz)"), this), 1, 0);  // lblPixelclk
    txtPixel_ = new QLineEdit(this);
    grid->addWidget(txtPixel_, 1, 1);

    cmdPLL_ = new QPushButton(QStringLiteral("CALCULATE PLL DIVISOR"), this);
    grid->addWidget(cmdPLL_, 2, 0, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("PLL DIVISOR"), this), 3, 0);  // lblPLL
    lblResult_ = new QLabel(this);
    lblResult_->setFrameShape(QFrame::Panel);
    lblResult_->setFrameShadow(QFrame::Sunken);
    lblResult_->setMinimumWidth(80);
    grid->addWidget(lblResult_, 3, 1);

    cmdexit_ = new QPushButton(QStringLiteral("CLOSE"), this);
    grid->addWidget(cmdexit_, 4, 1);

    connect(cmdPLL_, &QPushButton::clicked, this, [this] { cmdPLLClick(); });
    connect(cmdexit_, &QPushButton::clicked, this, &QWidget::hide);
}

void frmCalculator::cmdPLLClick()
{
    if (txtHsync_->text().isEmpty()) txtHsync_->setText(QStringLiteral("0"));
    auto pixel = NumericValue(txtPixel_->text().toStdString());
    if (!pixel) txtPixel_->setText(QStringLiteral("0"));
    auto hsync = NumericValue(txtHsync_->text().toStdString());
    if (!hsync) txtHsync_->setText(QStringLiteral("0"));
    const double h = hsync.value_or(0);
    const double p = pixel.value_or(0);

    if (p >= 0 && h >= 1) {
        const double divisor = RoundHalfEven(p * 1000 / h);
        if (divisor <= INT16_MAX) {
            lblResult_->setText(QString::number(static_cast<int16_t>(divisor)));
            return;
        }
    }
    dialogs_.ShowMessage({"VelkEval", "Invalid Hsync or Pixel clock value!", MessageIcon::Exclamation});
}

}  // namespace velk
