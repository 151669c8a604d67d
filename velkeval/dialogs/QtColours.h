#pragma once

#include <cstdint>

#include <QColor>

namespace velk {

// The colour a model colour stands for: 0x00BBGGRR, or 0x80000000 + n for
// the system colour n (0 to 24), taken from the application palette. A
// system colour the palette has no role for, or a number past 24, gives
// one fixed light grey.
QColor ToQColor(int32_t colour);

// A colour as the model keeps it, 0x00BBGGRR.
int32_t FromQColor(const QColor& colour);

}  // namespace velk
