#pragma once

#include <cstdint>

#include <QLabel>

namespace velk {

class UserDialogs;

// A colour swatch of the editors: a caption on the colour, drawn in the
// inverse colour for a red-green-blue colour. A click opens the colour
// picker preset to the colour; the chosen colour becomes the swatch's.
class ColourSwatch : public QLabel {
    Q_OBJECT
public:
    ColourSwatch(const QString& caption, UserDialogs& dialogs, QWidget* parent = nullptr);

    int32_t colour() const { return colour_; }
    void setColour(int32_t colour);

signals:
    void colourChosen(int32_t colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    UserDialogs& dialogs_;
    int32_t colour_ = 0;
};

}  // namespace velk
