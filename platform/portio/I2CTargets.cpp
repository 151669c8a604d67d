#include "I2CTargets.h"

namespace portio {

void I2CTargets::setAnswers(uint8_t address, bool answer)
{
    const auto bit = static_cast<uint8_t>(1u << (address % 8));
    if (answer)
        absent[address / 8] &= static_cast<uint8_t>(~bit);
    else
        absent[address / 8] |= bit;
}

void I2CTargets::Start()
{
    phase = Phase::Address;
    bitCount = 0;
    shift = 0;
    sdaDrive = 1;
}

void I2CTargets::Stop()
{
    phase = Phase::Idle;
    sdaDrive = 1;
}

void I2CTargets::SclRises(uint8_t sda)
{
    switch (phase) {
    case Phase::Address:
    case Phase::Write:
        shift = static_cast<uint8_t>(shift << 1 | sda);
        ++bitCount;
        break;
    case Phase::ReadAck:
        masterAck = sda == 0;
        break;
    default:
        break;
    }
}

void I2CTargets::SclFalls()
{
    switch (phase) {
    case Phase::Address:
        if (bitCount < 8) return;
        target = shift >> 1;
        reading = shift & 1;
        if (answers(target)) {
            sdaDrive = 0;
            phase = Phase::AddressAck;
        } else {
            phase = Phase::Ignore;
        }
        return;
    case Phase::AddressAck:
        if (reading) {
            SendByte();
        } else {
            expectPointer = 1;
            ReceiveByte();
        }
        return;
    case Phase::Write:
        if (bitCount < 8) return;
        if (expectPointer)
            pointer[target] = shift;
        else
            registers[target][pointer[target]++] = shift;
        expectPointer = 0;
        sdaDrive = 0;
        phase = Phase::WriteAck;
        return;
    case Phase::WriteAck:
        ReceiveByte();
        return;
    case Phase::Read:
        if (bitCount < 8) {
            sdaDrive = (shift >> (7 - bitCount)) & 1;
            ++bitCount;
        } else {
            sdaDrive = 1;
            ++pointer[target];
            phase = Phase::ReadAck;
        }
        return;
    case Phase::ReadAck:
        if (masterAck)
            SendByte();
        else
            phase = Phase::Ignore;
        return;
    case Phase::Idle:
    case Phase::Ignore:
        return;
    }
}

// Releases SDA and takes the next eight bits the controller sends.
void I2CTargets::ReceiveByte()
{
    sdaDrive = 1;
    phase = Phase::Write;
    bitCount = 0;
    shift = 0;
}

// Puts bit 7 of the pointed register on SDA; the other bits follow on the
// next falling edges.
void I2CTargets::SendByte()
{
    shift = registers[target][pointer[target]];
    sdaDrive = shift >> 7;
    bitCount = 1;
    phase = Phase::Read;
}

}  // namespace portio
