#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "NullPorts.h"
#include "SimPorts.h"
#include "TempDir.h"
#include "TraceReader.h"
#include "TraceRecorder.h"

using namespace portio;

namespace {

// The value changes of each timestamp of a VCD file, by time.
std::map<uint64_t, std::string> ChangesByTime(const std::string& path)
{
    std::ifstream in(path);
    std::map<uint64_t, std::string> changes;
    std::string line;
    uint64_t time = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#')
            time = std::stoull(line.substr(1));
        else
            changes[time] += line + "\n";
    }
    return changes;
}

// Whether the changes set a wire of the trace to a level ('0' or '1').
bool Has(const std::string& changes, char level, size_t group, int bit = 0)
{
    return changes.find(std::string{level, trace::WireId(group, bit), '\n'}) != std::string::npos;
}

}  // namespace

TEST(TraceRecorder, EveryOperationComesBackInOrderRepeatsIncluded)
{
    TempDir dir;
    const std::string path = dir.file("trace.vcd");
    {
        TraceRecorder recorder(std::make_unique<NullPorts>(), path);
        recorder.Out2(890, 11);
        recorder.Out2(890, 11);
        recorder.Out2(888, 0x1234);  // the low 8 bits
        EXPECT_EQ(recorder.Inp2(889), 0xFF);
        recorder.Out2(1914, 0xE0);
    }
    const std::vector<PortOperation> expected{
        {890, 11, true}, {890, 11, true}, {888, 0x34, true}, {889, 0xFF, false}, {1914, 0xE0, true}};
    EXPECT_EQ(ReadTrace(path), expected);
}

TEST(TraceRecorder, WiresSclAndSdaFollowTheAdapterLatch)
{
    TempDir dir;
    const std::string path = dir.file("trace.vcd");
    TraceRecorder recorder(std::make_unique<NullPorts>(), path);
    // Idle bus, then SDA low while SCL high (a START), then read mode.
    for (uint16_t data : {31, 29}) {
        recorder.Out2(888, data);
        for (uint16_t control : {11, 10, 11}) recorder.Out2(890, control);
    }
    recorder.Out2(890, 14);  // read mode: the adapter releases SDA
    recorder.Flush();

    std::ifstream in(path);
    std::stringstream header;
    header << in.rdbuf();
    EXPECT_NE(header.str().find("$timescale 1us $end"), std::string::npos);
    EXPECT_NE(header.str().find("$var wire 1 ! SCL $end"), std::string::npos);
    EXPECT_NE(header.str().find("$var wire 1 \" SDA $end"), std::string::npos);
    EXPECT_EQ(header.str().find("\nb"), std::string::npos);  // no vectors: sigrok reads none

    auto changes = ChangesByTime(path);
    // Data 29 is operation 5; the strobe rises again at operation 8 (11 after 10).
    for (uint64_t time = 1; time <= 9; ++time)
        EXPECT_EQ(Has(changes[time], '0', trace::Sda), time == 8) << "operation " << time;
    // Data 29 after 31 changes data bit 1 only.
    EXPECT_TRUE(Has(changes[5], '0', trace::Data, 1));
    EXPECT_FALSE(Has(changes[5], '0', trace::Data, 0));
    EXPECT_TRUE(Has(changes[9], '1', trace::Sda));
    for (const auto& [time, text] : changes) EXPECT_FALSE(Has(text, '0', trace::Scl)) << "operation " << time;
}

TEST(TraceRecorder, OnTheBoardTheWiresShowTheTargetsAcknowledge)
{
    TempDir dir;
    const std::string path = dir.file("trace.vcd");
    TraceRecorder recorder(std::make_unique<SimPorts>(dir.file("board")), path);
    auto step = [&recorder](int c, int d, int readMode) {
        recorder.Out2(888, static_cast<uint16_t>(28 + c + 2 * d));
        for (int control : {11, 10, 11}) recorder.Out2(890, static_cast<uint16_t>(4 * readMode + control));
    };
    step(1, 1, 0);
    step(1, 0, 0);  // START
    step(0, 0, 0);
    for (int bit = 7; bit >= 0; --bit) {  // address byte 0x98
        const int d = (0x98 >> bit) & 1;
        step(0, d, 0);
        step(1, d, 0);
        step(0, d, 0);
    }
    recorder.Out2(890, 14);
    step(1, 0, 1);
    EXPECT_EQ(recorder.Inp2(889) & 8, 0);  // acknowledged
    recorder.Flush();

    // On the board the target holds SDA low through the acknowledge clock
    // although the adapter released it (operation "control 14"); decoded
    // from the writes alone, SDA would rise there.
    const auto operations = ReadTrace(path);
    ASSERT_FALSE(operations.empty());
    EXPECT_EQ(operations.back(), (PortOperation{889, 0xF7, false}));
    const auto release = std::find(operations.begin(), operations.end(), PortOperation{890, 14, true});
    ASSERT_NE(release, operations.end());
    const auto changes = ChangesByTime(path);
    for (auto time = static_cast<uint64_t>(release - operations.begin()) + 1; time <= operations.size(); ++time)
        EXPECT_FALSE(Has(changes.at(time), '1', trace::Sda)) << "operation " << time;
}

TEST(TraceRecorder, AFileThatCannotBeCreatedIsAPortError)
{
    TempDir dir;
    EXPECT_THROW(TraceRecorder(std::make_unique<NullPorts>(), dir.file("no-such-folder/trace.vcd")), PortError);
    EXPECT_THROW(ReadTrace(dir.file("missing.vcd")), PortError);
}
