#pragma once

#include <QFont>

namespace velk {

// The font of every window of the program. The design sizes of the windows
// were laid out for a small dialog font, about 15 characters in 78 pixels;
// this font fits every caption into its box. Its size is in pixels, so it
// keeps fitting the twips-sized boxes whatever the screen's font resolution.
QFont WindowFont();

}  // namespace velk
