#pragma once

#include <QValidator>

class QLineEdit;

namespace velk {

// The maximum length of a text box, applied to what the user types only.
// QLineEdit's own maximum also cuts the text the program sets, which would
// turn the eight digits of a binary value into three; here a text the
// program wrote stays whole, and the user may shorten it but not lengthen it.
class TypingLengthLimit : public QValidator {
public:
    // Becomes the box's validator, with no limit until one is set.
    explicit TypingLengthLimit(QLineEdit& box);

    // Characters the user may type; 0 or less is no limit.
    void setLimit(int characters);
    // Puts the program's own text in the box, whatever its length.
    void SetProgramText(const QString& text);

    State validate(QString& input, int& pos) const override;

    // The limit of a box that has one, else null.
    static TypingLengthLimit* Of(QLineEdit& box);

private:
    // The longest text the box may hold now: the limit, or the length of a
    // longer text the program wrote as far as the user has shortened it.
    void FitCeiling(int length);

    QLineEdit& box_;
    int limit_ = 0;
    int ceiling_ = 0;
};

}  // namespace velk
