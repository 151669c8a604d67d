#pragma once

#include <string>
#include <vector>

namespace velk {

// A program to start and the words after it on its command line.
struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
};

// Starts another program and does not wait for it: the window's new-window
// and DE generation commands go through it, so tests can see exactly what
// would be started.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts `program` with `arguments` (one word each); false when the
    // program could not be started (missing, not executable, ...).
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// Starts the program as a process of its own that outlives this one.
class QtProcessStarter : public ProcessStarter {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace velk
