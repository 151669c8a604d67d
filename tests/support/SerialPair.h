#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A pseudo-terminal pair: links open the device end by its path, the test
// reads what they wrote on the other end. The test keeps the device end
// open too, so the pair lives on while links open and close it.
class SerialPair {
public:
    SerialPair();
    ~SerialPair();
    SerialPair(const SerialPair&) = delete;
    SerialPair& operator=(const SerialPair&) = delete;

    const std::string& device() const { return device_; }
    int deviceFd() const { return device_fd_; }
    // Every byte written to the device since the last call.
    std::vector<uint8_t> Take();
    // Sends bytes towards the device, as a converter's answer.
    void Answer(const std::vector<uint8_t>& bytes);

private:
    int other_fd_ = -1;
    int device_fd_ = -1;
    std::string device_;
};
