#pragma once

#include <csignal>
#include <cstdlib>
#include <exception>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked child process, whose exit code is body's result (99
// when it throws). The test's own process goes on at once; ExitCode waits.
class ChildProcess {
public:
    template <class Body>
    explicit ChildProcess(Body body) : pid_(fork())
    {
        if (pid_ != 0) return;
        int code = 99;
        try {
            code = body();
        } catch (const std::exception&) {
        }
        _exit(code);
    }
    ~ChildProcess()
    {
        if (pid_ > 0 && !waited_) ExitCode();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }

    // Ends the child at once, wherever it is.
    void Kill() { ::kill(pid_, SIGKILL); }

    // Waits for the child; -1 when it did not exit normally.
    int ExitCode()
    {
        waited_ = true;
        int status = 0;
        if (waitpid(pid_, &status, 0) != pid_ || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }

private:
    pid_t pid_;
    bool waited_ = false;
};
