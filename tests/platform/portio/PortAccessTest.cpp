#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "PortAccess.h"

using namespace portio;

// The grant is once per process, so each case runs in a child process of
// its own with its environment.
TEST(PortAccess, TheGrantReportsOnceAndAFailedBackendFailsEveryOperation)
{
    EXPECT_EXIT(
        {
            setenv("VELK_PORTIO", "null", 1);
            unsetenv("VELK_PORTIO_TRACE");
            const auto first = GrantPortAccess();
            const bool ok = first && first->find("null") != std::string::npos && !GrantPortAccess() &&
                            !PortAccessFailed() && Inp2(889) == 0xFF;
            Out2(888, 0);
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");

    EXPECT_EXIT(
        {
            setenv("VELK_PORTIO", "parallel", 1);
            const auto note = GrantPortAccess();
            bool failed = false;
            try {
                Out2(888, 0);
            } catch (const PortError& error) {
                failed = std::string(error.what()).find("parallel") != std::string::npos;
            }
            std::exit(note && note->find("Port access failed") != std::string::npos && failed && PortAccessFailed()
                          ? 0
                          : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
