#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "I2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"
#include "TempDir.h"
#include "TraceRecorder.h"

using namespace velk;

// A recorded transfer read back by sigrok's own I2C decoder (when this
// machine has sigrok-cli).
TEST(RecordedTrace, SigrokDecodesTheTransfersOnTheWires)
{
    if (std::system("command -v sigrok-cli >/dev/null 2>&1") != 0) GTEST_SKIP() << "sigrok-cli is not installed";
    TempDir dir;
    const std::string trace = dir.file("bus.vcd");
    {
        portio::TraceRecorder ports(std::make_unique<portio::SimPorts>(dir.file("board")), trace);
        ScriptedDialogs dialogs;
        I2CDevInterface link(dialogs, ports);
        link.Configure("LPTPORT", int64_t{888});
        link.Connect(0x98);
        link.WriteByte(0x05, 0xAA);
        EXPECT_EQ(link.ReadByte(0x05), 0xAA);
    }
    const std::string command = "sigrok-cli -I vcd -i '" + trace +
                                "' -P i2c:scl=SCL:sda=SDA -A i2c=start:repeat-start:stop:ack:nack:address-read:"
                                "address-write:data-read:data-write 2>&1";
    // The stop's own clock after the last data bit shows as an ACK: that is
    // what the wires carry.
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) output += buffer;

    std::string decoded;
    for (size_t start = 0; start < output.size();) {
        const size_t end = output.find('\n', start);
        const std::string line = output.substr(start, end - start);
        decoded += line.substr(line.find(": ") == std::string::npos ? 0 : line.find(": ") + 2) + "|";
        start = end == std::string::npos ? output.size() : end + 1;
    }
    EXPECT_EQ(decoded,
              "Start|Write|Address write: 4C|ACK|Data write: 05|ACK|Data write: AA|ACK|Stop|"
              "Start|Write|Address write: 4C|ACK|Data write: 05|ACK|Start repeat|Read|Address read: 4C|ACK|"
              "Data read: AA|ACK|Stop|")
        << output;
}
