#pragma once

#include <string>
#include <vector>

#include <QRect>
#include <QString>

class QFont;
class QWidget;

// Whether texts fit the widgets that show them, measured with the widgets'
// own fonts and styles. Each check returns a description of every text that
// does not fit ("Device Addre..." would be one), empty when all fit.
namespace textfit {

// Every visible label, button, check box, text box and list inside `root`
// (root included): its text, and for lists every item.
std::vector<std::string> Misfits(const QWidget& root);

// A text box showing `text`.
std::vector<std::string> BoxMisfits(const QWidget& box, const QString& text);

// A text drawn into `rect` with `font` and Qt alignment `flags`, wrapping
// at word boundaries where `wrap`.
bool DrawnTextFits(const QFont& font, const QRect& rect, int flags, bool wrap, const QString& text);

}  // namespace textfit
