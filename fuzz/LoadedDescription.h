#pragma once

#include <string>

#include "CollectingDialogs.h"
#include "DescriptionLoader.h"
#include "HeadlessRegisterView.h"
#include "HeadlessWindow.h"
#include "ProgramState.h"

namespace velk::fuzz {

// The window's dialogs without a display, counting the messages shown.
class CountingDialogs : public cli::CollectingDialogs {
public:
    MessageAnswer ShowMessage(const Message& message) override
    {
        ++shown;
        return CollectingDialogs::ShowMessage(message);
    }
    int shown = 0;
};

// A program state without a display with the first device of description
// `path` loaded, as velkeval-cli loads it.
struct LoadedDescription {
    explicit LoadedDescription(const std::string& path) { ParseFile(state, window, path, ""); }

    HeadlessRegisterView view;
    CountingDialogs dialogs;
    cli::HeadlessWindow window;
    ProgramState state{view, dialogs};
};

}  // namespace velk::fuzz
