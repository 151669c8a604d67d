#include "ColourSwatch.h"

#include <QMouseEvent>

#include "QtColours.h"
#include "UserDialogs.h"

namespace velk {

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
    // The caption in the inverse colour, for a system colour too: a swatch
    // of the button text colour would otherwise hide its caption black on
    // black.
    const QColor shown = ToQColor(colour);
    QPalette look = palette();
    look.setColor(QPalette::Window, shown);
    look.setColor(QPalette::WindowText, QColor::fromRgb(shown.rgb() ^ 0xFFFFFFu));
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
