#pragma once

#include <functional>

#include <QLabel>

namespace velk {

// A framed one-digit box ("0" or "1") that runs its click action when the
// left mouse button is released over it.
class BitBox : public QLabel {
public:
    explicit BitBox(QWidget* parent);

    void setOnClick(std::function<void()> action) { onClick_ = std::move(action); }

    // Flips the digit: "1" becomes "0", anything else "1".
    void Toggle();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
};

}  // namespace velk
