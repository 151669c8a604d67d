#include "SingleRegFixture.h"

#include <QTest>

namespace singlereg {
namespace {

std::string Boxes(const velk::frmSingleReg& window, QLabel& (velk::frmSingleReg::*box)(int) const)
{
    std::string digits;
    for (int bit = 7; bit >= 0; --bit) digits += (window.*box)(bit).text().toStdString();
    return digits;
}

}  // namespace

void TypeInto(QLineEdit& box, const QString& text)
{
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, text);
}

void Click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton); }

std::string AddressBits(const velk::frmSingleReg& window) { return Boxes(window, &velk::frmSingleReg::txtAddrBit); }

std::string ValueBits(const velk::frmSingleReg& window) { return Boxes(window, &velk::frmSingleReg::txtBit); }

}  // namespace singlereg
