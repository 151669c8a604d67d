#pragma once

#include <QFont>

namespace velk {

// The font of every window of the programs: Liberation Sans (Debian
// fonts-liberation2) at 10 pixels. The windows' design sizes were laid out
// for a small dialog font, about 15 characters in 78 pixels; in this one
// "Device Address:" takes 72 of its 78 pixels and every caption fits its
// box. The size is in pixels, so the twips-sized boxes keep fitting
// whatever font resolution the desktop sets.
inline QFont WindowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    return font;
}

}  // namespace velk
