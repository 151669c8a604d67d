#pragma once

#include "ProgramState.h"

namespace velk {

// Clears eventsEnabled while the model itself writes into widgets, and sets
// it again when the scope ends, also when a failure leaves it, so that no
// path leaves the change events switched off.
class EventsSuspended {
public:
    explicit EventsSuspended(ProgramState& state) : state_(state) { state_.eventsEnabled = false; }
    ~EventsSuspended() { state_.eventsEnabled = true; }
    EventsSuspended(const EventsSuspended&) = delete;
    EventsSuspended& operator=(const EventsSuspended&) = delete;

private:
    ProgramState& state_;
};

}  // namespace velk
