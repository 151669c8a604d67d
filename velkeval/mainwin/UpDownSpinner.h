#pragma once

#include <QWidget>

namespace velk {

// An up-down spinner without a text of its own: two arrow buttons that step
// a position inside a range by one, the way a spin control steps its buddy
// text box. The arrow keys step it too while it has the focus.
class UpDownSpinner : public QWidget {
    Q_OBJECT
public:
    explicit UpDownSpinner(QWidget* parent = nullptr);

    int value() const { return value_; }
    // Moves the position without reporting a step (the program's own update).
    void setValue(int value);
    void setRange(int min, int max);
    int minimum() const { return min_; }
    int maximum() const { return max_; }

    // One step up (+1) or down (-1), held inside the range; reports the new
    // position when it moved.
    void stepBy(int steps);

    QSize sizeHint() const override { return {16, 20}; }

signals:
    void stepped(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int min_ = 0;
    int max_ = 10;
    int value_ = 0;
};

}  // namespace velk
