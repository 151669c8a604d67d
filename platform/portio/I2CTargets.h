#pragma once

#include <array>
#include <cstdint>

namespace portio {

inline constexpr int TargetCount = 128;   // 7-bit addresses
inline constexpr int RegisterCount = 256;

// The virtual target chips on the simulated bus: one 256-byte register file
// per 7-bit address, and a decoder that follows the bus edge by edge as
// every target would. An addressed target acknowledges, takes the first
// written byte as its register pointer and stores the following ones
// (pointer counting on), and shifts register bytes out for a read; a chip
// that is absent does not acknowledge and leaves SDA high. Plain data, so it
// can live in the shared board state.
struct I2CTargets {
    enum class Phase : uint8_t { Idle, Address, AddressAck, Write, WriteAck, Read, ReadAck, Ignore };

    std::array<std::array<uint8_t, RegisterCount>, TargetCount> registers{};
    std::array<uint8_t, TargetCount> pointer{};
    std::array<uint8_t, TargetCount / 8> absent{};  // one bit per address, set = does not answer

    Phase phase = Phase::Idle;
    uint8_t bitCount = 0;
    uint8_t shift = 0;
    uint8_t target = 0;
    uint8_t reading = 0;
    uint8_t expectPointer = 0;
    uint8_t masterAck = 0;
    uint8_t sdaDrive = 1;  // what the addressed target puts on SDA (1 = released)

    bool answers(uint8_t address) const { return ((absent[address / 8] >> (address % 8)) & 1) == 0; }
    void setAnswers(uint8_t address, bool answer);

    void Start();  // START or repeated START
    void Stop();
    void SclRises(uint8_t sda);
    void SclFalls();

private:
    void ReceiveByte();
    void SendByte();
};

}  // namespace portio
