#include "TypingLengthLimit.h"

#include <algorithm>

#include <QLineEdit>

namespace velk {

TypingLengthLimit::TypingLengthLimit(QLineEdit& box) : QValidator(&box), box_(box)
{
    box.setValidator(this);
    // Every change the box takes, the program's or the user's, sets how long
    // its text may stay.
    connect(&box, &QLineEdit::textChanged, this, [this](const QString& text) { FitCeiling(static_cast<int>(text.size())); });
}

void TypingLengthLimit::setLimit(int characters)
{
    limit_ = characters;
    FitCeiling(static_cast<int>(box_.text().size()));
}

void TypingLengthLimit::SetProgramText(const QString& text)
{
    FitCeiling(static_cast<int>(text.size()));
    box_.setText(text);
}

QValidator::State TypingLengthLimit::validate(QString& input, int& /*pos*/) const
{
    if (limit_ <= 0 || input.size() <= ceiling_) return Acceptable;
    return Invalid;
}

void TypingLengthLimit::FitCeiling(int length) { ceiling_ = std::max(limit_, length); }

TypingLengthLimit* TypingLengthLimit::Of(QLineEdit& box)
{
    return box.findChild<TypingLengthLimit*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace velk
