#include "ScriptedDialogs.h"

#include <stdexcept>

namespace velk {

MessageAnswer ScriptedDialogs::ShowMessage(const Message& message)
{
    messages_.push_back(message);
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    throw std::logic_error("no scripted answer for the question \"" + message.text + "\"");
}

}  // namespace velk
