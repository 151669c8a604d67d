#pragma once

#include <string>

namespace velk {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// What the program asks of the user through modal dialogs. The window
// system implements it; tests use ScriptedDialogs.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Shows a message box and returns the button the user chose.
    virtual MessageAnswer ShowMessage(const Message& message) = 0;
};

}  // namespace velk
