#include "WindowFont.h"

namespace velk {

QFont WindowFont()
{
    // Liberation Sans (Debian fonts-liberation2) at 10 pixels: "Device
    // Address:" takes 72 of its 78 pixels, "Load Register On Change" wraps
    // into two lines of its box.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    return font;
}

}  // namespace velk
