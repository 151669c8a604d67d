#pragma once

#include <deque>
#include <vector>

#include "UserDialogs.h"

namespace velk {

// UserDialogs for tests: records every message and answers from a queue of
// scripted answers. A message with only an OK button needs no answer; a
// question asked with no answer queued is an error, so an unexpected
// question fails the test instead of being answered at random.
class ScriptedDialogs : public UserDialogs {
public:
    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    MessageAnswer ShowMessage(const Message& message) override;

    const std::vector<Message>& messages() const { return messages_; }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<Message> messages_;
};

}  // namespace velk
