#pragma once

#include <gtest/gtest.h>

#include <string>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "frmSingleReg.h"

// Typing into and clicking the single-register window as the user does, and
// reading its bit boxes as they show, bit 7 first.
namespace singlereg {

inline void TypeInto(QLineEdit& box, const QString& text)
{
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, text);
}

inline void Click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton); }

inline std::string Shown(const velk::frmSingleReg& window, QLabel& (velk::frmSingleReg::*box)(int) const)
{
    std::string digits;
    for (int bit = 7; bit >= 0; --bit) digits += (window.*box)(bit).text().toStdString();
    return digits;
}
inline std::string AddressBits(const velk::frmSingleReg& window) { return Shown(window, &velk::frmSingleReg::txtAddrBit); }
inline std::string ValueBits(const velk::frmSingleReg& window) { return Shown(window, &velk::frmSingleReg::txtBit); }

}  // namespace singlereg
