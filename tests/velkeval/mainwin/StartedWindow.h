#pragma once

#include <string>
#include <vector>

#include <QStringList>

#include "ProcessStarter.h"
#include "WindowOnBoard.h"

class QMenu;

// Two devices of one register each; the second name holds a "&".
extern const char* const TwoDevices;

// The window started on the simulated board with a program folder of the
// test's own holding a default description.
struct StartedWindow : WindowOnBoard {
    std::string programFolder = dir.file("program folder");

    // Writes `description` as the default description (none when empty)
    // and runs the window's load with the command line `arguments`.
    void Start(const std::string& description = TwoDevices, const std::vector<std::string>& arguments = {});
};

// Records what would be started and starts nothing.
struct RecordingStarter : velk::ProcessStarter {
    std::vector<velk::ProgramStart> started;
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override
    {
        started.push_back({program, arguments});
        return true;
    }
};

// The captions of a menu's entries.
QStringList Texts(const QMenu& menu);
