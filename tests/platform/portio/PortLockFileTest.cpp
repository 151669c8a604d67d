#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "PortClaim.h"
#include "PortLockFile.h"
#include "PpdevPorts.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"

using namespace portio;

TEST(PortLockFile, AnotherProcessWaitsUntilTheHolderUnlocks)
{
    TempDir dir;
    ScopedEnvironment lockDir("VELK_PORT_LOCK_DIR", dir.file("").c_str());
    const std::string path = PortLockPath(888);
    EXPECT_EQ(path, dir.file("") + "/velk-lpt-0x0378.lock");

    PortLockFile lock(path);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u);  // other users' programs share the port

    lock.Lock();
    const std::string marker = dir.file("child-had-the-lock");
    ChildProcess child([&] {
        PortLockFile own(path);
        own.Lock();
        close(open(marker.c_str(), O_CREAT | O_WRONLY, 0600));
        return 0;
    });
    ASSERT_TRUE(child.started());
    usleep(100'000);  // time for the child to take the lock, were it free
    EXPECT_NE(access(marker.c_str(), F_OK), 0) << "the child locked while this process held the lock";
    lock.Unlock();
    EXPECT_EQ(child.ExitCode(), 0);
    EXPECT_EQ(access(marker.c_str(), F_OK), 0);

    EXPECT_THROW(PortLockFile(dir.file("missing-folder/lock")), PortError);
}

// Needs a real port: /dev/parport0 must exist and be usable.
TEST(PpdevPorts, AClaimedPortTakesWritesAndIsFreeForAnotherProcessAfterwards)
{
    if (access("/dev/parport0", R_OK | W_OK) != 0) GTEST_SKIP() << "no usable /dev/parport0";
    PpdevPorts ports;
    {
        PortClaim claim(ports, 888);
        ports.Out2(888, 0x55);
        EXPECT_EQ(ports.Inp2(888), 0x55);
    }
    ChildProcess other([] {
        PpdevPorts own;
        PortClaim claim(own, 888);
        return own.Inp2(888) == 0x55 ? 0 : 1;
    });
    EXPECT_EQ(other.ExitCode(), 0) << "the port was not free after the claim";
}
