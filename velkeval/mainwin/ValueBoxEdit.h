#pragma once

#include <functional>

#include <QLineEdit>

namespace velk {

// A register value box: a text box that keeps the focus when its text may
// not leave it (the check also gives the warning).
class ValueBoxEdit : public QLineEdit {
public:
    using MayLeave = std::function<bool(const QString& text)>;

    ValueBoxEdit(QWidget* parent, MayLeave mayLeave) : QLineEdit(parent), mayLeave_(std::move(mayLeave)) {}

    // No more checks: the one who checks is going away before the box.
    void StopChecking() { mayLeave_ = nullptr; }

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        if (mayLeave_ && !mayLeave_(text())) setFocus(Qt::OtherFocusReason);
    }

private:
    MayLeave mayLeave_;
};

}  // namespace velk
