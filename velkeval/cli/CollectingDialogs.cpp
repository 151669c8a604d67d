#include "CollectingDialogs.h"

#include <utility>

namespace velk::cli {

MessageAnswer CollectingDialogs::ShowMessage(const Message& message)
{
    if (!first_) first_ = message.text;
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<std::string> CollectingDialogs::TakeMessage() { return std::exchange(first_, std::nullopt); }

}  // namespace velk::cli
