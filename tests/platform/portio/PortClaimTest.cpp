#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

#include "ChildProcess.h"
#include "NullPorts.h"
#include "PortClaim.h"
#include "SimPorts.h"
#include "TempDir.h"
#include "TraceRecorder.h"

using namespace portio;

namespace {

// Ports that log the backend's own acquire and release calls.
class LoggingPorts : public NullPorts {
public:
    std::vector<std::string> log;
    bool refuse = false;

protected:
    void AcquirePort(uint16_t base) override
    {
        if (refuse) throw PortError("busy");
        log.push_back("acquire " + std::to_string(base));
    }
    void ReleasePort(uint16_t base) noexcept override { log.push_back("release " + std::to_string(base)); }
};

// A one-byte message from a child to the test.
struct Pipe {
    int fds[2] = {-1, -1};
    Pipe()
    {
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    }
    ~Pipe()
    {
        close(fds[0]);
        close(fds[1]);
    }
    void Send() const { (void)!write(fds[1], "x", 1); }
    void Receive() const
    {
        char byte = 0;
        (void)!read(fds[0], &byte, 1);
    }
};

// One data-enable word under a claim: 16 clocked bits of the word (a 1 drives
// the data line low) and the latch, checked on the board before the claim ends.
bool ShiftWordUnderClaim(SimPorts& ports, uint16_t word)
{
    PortClaim claim(ports, 888);
    for (int bit = 15; bit >= 0; --bit) {
        const auto data = static_cast<uint16_t>(24 + ((word >> bit & 1) ? 0 : 2));
        ports.Out2(888, data);
        ports.Out2(888, data + 1);
    }
    ports.Out2(888, 28);
    ports.Out2(888, 24);
    return ports.board().LastDeWord().word == word;
}

}  // namespace

TEST(PortClaim, NestedClaimsTakeThePortOnceAndEachBaseOnItsOwn)
{
    LoggingPorts ports;
    {
        PortClaim outer(ports, 888);
        {
            PortClaim inner(ports, 888);
            PortClaim other(ports, 632);
        }
        EXPECT_EQ(ports.log, (std::vector<std::string>{"acquire 888", "acquire 632", "release 632"}));
    }
    EXPECT_EQ(ports.log.back(), "release 888");

    ports.log.clear();
    ports.refuse = true;
    EXPECT_THROW(PortClaim(ports, 888), PortError);
    ports.refuse = false;
    { PortClaim again(ports, 888); }  // the refused claim left nothing held
    EXPECT_EQ(ports.log, (std::vector<std::string>{"acquire 888", "release 888"}));
    ports.Release(888);  // one release too many does nothing
    EXPECT_EQ(ports.log.size(), 2u);
}

TEST(PortClaim, TheRecorderHandsClaimsToThePortsItWraps)
{
    TempDir dir;
    auto inner = std::make_unique<LoggingPorts>();
    LoggingPorts& logged = *inner;
    TraceRecorder recorder(std::move(inner), dir.file("trace.vcd"));
    {
        PortClaim outer(recorder, 632);
        PortClaim inner(recorder, 632);
        recorder.Out2(632, 1);
    }
    EXPECT_EQ(logged.log, (std::vector<std::string>{"acquire 632", "release 632"}));
}

TEST(PortClaim, TwoProcessesShiftingWordsAtOnceLeaveEveryWordIntact)
{
    TempDir dir;
    const std::string path = dir.file("board");
    constexpr int Words = 4000;
    Pipe go;  // both start together
    auto shiftWords = [&path, &go](uint16_t seed) {
        SimPorts ports(path);
        go.Receive();
        int broken = 0;
        for (int i = 0; i < Words; ++i)
            if (!ShiftWordUnderClaim(ports, static_cast<uint16_t>(seed ^ (i * 0x9E37)))) ++broken;
        return broken == 0 ? 0 : 1;
    };
    ChildProcess first([&] { return shiftWords(0x0F0F); });
    ChildProcess second([&] { return shiftWords(0xA5A5); });
    ASSERT_TRUE(first.started() && second.started());
    go.Send();
    go.Send();
    EXPECT_EQ(first.ExitCode(), 0) << "a word of the first process was garbled";
    EXPECT_EQ(second.ExitCode(), 0) << "a word of the second process was garbled";
    EXPECT_EQ(SimBoard(path).LastDeWord().latchCount, 2u * Words);
}

TEST(PortClaim, AnOperationOutsideAClaimWaitsForAnotherProcesssTransfer)
{
    TempDir dir;
    const std::string path = dir.file("board");
    SimPorts ports(path);
    Pipe ready;
    ports.Claim(888);
    ports.Out2(888, 24);
    const uint64_t before = ports.board().OperationCount();
    ChildProcess child([&] {
        SimPorts own(path);
        ready.Send();
        own.Out2(890, 1);  // no claim of its own
        return 0;
    });
    ASSERT_TRUE(child.started());
    ready.Receive();
    usleep(100'000);  // time for the child's write, were it not held back
    EXPECT_EQ(ports.board().OperationCount(), before) << "the write landed inside the claim";
    ports.Out2(888, 28);
    ports.Release(888);
    EXPECT_EQ(child.ExitCode(), 0);
    EXPECT_EQ(ports.board().OperationCount(), before + 2);
}

TEST(PortClaim, AHolderThatDiesOrASecondBoardOnTheSameThreadHangsNobody)
{
    TempDir dir;
    const std::string path = dir.file("board");
    ChildProcess dying([&] {
        SimPorts own(path);
        own.Claim(888);
        _exit(0);  // dies with the claim held
        return 1;
    });
    ASSERT_EQ(dying.ExitCode(), 0);

    SimPorts ports(path);
    ports.Out2(888, 0x1F);  // an operation outside a claim goes on
    {
        PortClaim claim(ports, 888);
        ports.Out2(888, 0x1C);
        EXPECT_EQ(ports.Inp2(888), 0x1C);

        SimPorts second(path);  // the same board through another object of this thread
        EXPECT_THROW(second.Out2(888, 0), PortError);
        EXPECT_THROW(second.Claim(632), PortError);
    }
    SimPorts second(path);
    PortClaim claim(second, 632);  // free again once the first claim ended
    second.Out2(632, 0x18);
    EXPECT_EQ(second.Inp2(888), 0x18);
}
