#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RunCli.h"
#include "ScopedEnvironment.h"
#include "SimBoard.h"
#include "TempDir.h"

namespace velk::cli::test {

// The sample board's chips: the scaler (pattern 0111x0x0) and the timing
// controller (10011010), as 7-bit addresses.
inline constexpr uint8_t Scaler = 0x38;
inline constexpr uint8_t TimingController = 0x4D;

// RunCli against a simulated board of the test's own, in a directory of
// its own, with the environment of the caller's shell out of the way.
class CliFixture : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& arguments)
    {
        std::ostringstream outStream, errStream;
        const int status = RunCli(arguments, outStream, errStream, i2c);
        out = outStream.str();
        err = errStream.str();
        return status;
    }

    std::string Write(const std::string& name, const std::string& text) const
    {
        const std::string path = dir.file(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void AnswerOnly(std::initializer_list<uint8_t> addresses)
    {
        portio::AnsweringSet answering;
        for (uint8_t address : addresses) answering.set(address);
        board.SetAnswering(answering);
    }

    const std::string sample = VELK_SAMPLE_DESCRIPTION;
    TempDir dir;
    std::string boardPath = dir.file("board");
    ScopedEnvironment boardState{"VELK_BOARD_STATE", boardPath.c_str()};
    ScopedEnvironment backend{"VELK_PORTIO", "sim"};
    ScopedEnvironment noAddresses{"VELK_BOARD_ADDRESSES", nullptr};
    ScopedEnvironment noTrace{"VELK_PORTIO_TRACE", nullptr};
    portio::SimBoard board{boardPath};
    I2CAccess i2c;  // the system's Linux I2C buses unless a test gives a fake
    std::string out;
    std::string err;
};

}  // namespace velk::cli::test
