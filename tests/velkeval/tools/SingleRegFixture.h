#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include "RecordingLink.h"
#include "ScriptedDialogs.h"
#include "frmSingleReg.h"

// Helpers shared by the single-register window's tests: typing, clicking and
// reading the boxes as the user sees them.
namespace singlereg {

// Replaces a text box's text by typing, one key at a time.
void TypeInto(QLineEdit& box, const QString& text);
// Clicks a bit box with the left button.
void Click(QWidget& widget);
// What boxes 7 .. 0 show.
std::string AddressBits(const velk::frmSingleReg& window);
std::string ValueBits(const velk::frmSingleReg& window);

}  // namespace singlereg
