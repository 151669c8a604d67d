#pragma once

#include <exception>

#include "UserDialogs.h"

namespace velk {

// Runs the work of one window event. A failure nothing else caught ends the
// event and is shown with its description, instead of leaving the window
// through the event loop.
template <class Work>
void ReportFailures(UserDialogs& dialogs, Work&& work)
{
    try {
        work();
    } catch (const std::exception& failure) {
        dialogs.ShowMessage({"VelkEval", failure.what(), MessageIcon::Exclamation, MessageButtons::Ok});
    }
}

}  // namespace velk
