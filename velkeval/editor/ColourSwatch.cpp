#include "ColourSwatch.h"

#include <QMouseEvent>

#include "QtColours.h"
#include "UserDialogs.h"

namespace velk {
namespace {

bool IsSystemColour(int32_t colour) { return (static_cast<uint32_t>(colour) & 0x80000000u) != 0; }

}  // namespace

ColourSwatch::ColourSwatch(const QString& caption, UserDialogs& dialogs, QWidget* parent)
    : QLabel(caption, parent), dialogs_(dialogs)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setColour(0);
}

void ColourSwatch::setColour(int32_t colour)
{
    colour_ = colour;
    QPalette look = palette();
    look.setColor(QPalette::Window, ToQColor(colour));
    look.setColor(QPalette::WindowText, IsSystemColour(colour) ? QPalette().color(QPalette::WindowText)
                                                                : ToQColor(colour ^ 0xFFFFFF));
    setPalette(look);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    if (const auto chosen = dialogs_.ChooseColour(colour_)) {
        setColour(*chosen);
        emit colourChosen(*chosen);
    }
}

}  // namespace velk
