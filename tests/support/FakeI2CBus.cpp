#include "FakeI2CBus.h"

#include <cerrno>

#include <linux/i2c-dev.h>
#include <linux/i2c.h>

int FakeI2CBus::Fail(int error)
{
    errno = error;
    return -1;
}

void FakeI2CBus::Record(Call call)
{
    ++callCount_;
    if (recording_) calls_.push_back(std::move(call));
}

int FakeI2CBus::Open(const std::string& path)
{
    Record({"open", {}, 0, 0});
    if (openError_ != 0) return Fail(openError_);
    if (path != "/dev/i2c-" + std::to_string(busNumber_)) return Fail(ENOENT);
    slaveOf_[nextFd_] = 0;
    return nextFd_++;
}

int FakeI2CBus::Close(int fd)
{
    Record({"close", {}, 0, 0});
    return slaveOf_.erase(fd) == 1 ? 0 : Fail(EBADF);
}

void FakeI2CBus::Write(uint8_t address7, const uint8_t* bytes, size_t count)
{
    if (count == 0) return;
    uint8_t& pointer = pointer_[address7];
    pointer = bytes[0];
    for (size_t i = 1; i < count; ++i) board_.SetRegister(address7, pointer++, bytes[i]);
}

void FakeI2CBus::Read(uint8_t address7, uint8_t* bytes, size_t count)
{
    const auto registers = board_.Registers(address7);
    for (size_t i = 0; i < count; ++i) bytes[i] = registers[pointer_[address7]++];
}

int FakeI2CBus::Ioctl(int fd, unsigned long request, void* argument)
{
    if (slaveOf_.count(fd) == 0) return Fail(EBADF);
    switch (request) {
    case I2C_FUNCS:
        Record({"funcs", {}, 0, 0});
        *static_cast<unsigned long*>(argument) = functions_;
        return 0;
    case I2C_SLAVE: {
        const auto address7 = static_cast<uint8_t>(reinterpret_cast<uintptr_t>(argument));
        Record({"slave", {{address7, 0, {}}}, 0, 0});
        if (busy_.test(address7)) return Fail(EBUSY);
        slaveOf_[fd] = address7;
        return 0;
    }
    case I2C_RDWR: return ReadWrite(argument);
    case I2C_SMBUS: return Smbus(fd, argument);
    default: return Fail(ENOTTY);
    }
}

int FakeI2CBus::ReadWrite(void* argument)
{
    const auto& transfer = *static_cast<i2c_rdwr_ioctl_data*>(argument);
    Call call{"rdwr", {}, 0, 0};
    int result = 0;
    if ((functions_ & I2C_FUNC_I2C) == 0) result = Fail(EOPNOTSUPP);
    for (uint32_t m = 0; m < transfer.nmsgs && result == 0; ++m) {
        i2c_msg& message = transfer.msgs[m];
        const auto address7 = static_cast<uint8_t>(message.addr);
        if (!Answers(address7)) {
            result = Fail(ENXIO);
            break;
        }
        if (message.flags & I2C_M_RD) Read(address7, message.buf, message.len);
        else Write(address7, message.buf, message.len);
        call.messages.push_back({message.addr, message.flags, {message.buf, message.buf + message.len}});
    }
    Record(std::move(call));
    return result < 0 ? result : static_cast<int>(transfer.nmsgs);
}

int FakeI2CBus::Smbus(int fd, void* argument)
{
    const auto& transfer = *static_cast<i2c_smbus_ioctl_data*>(argument);
    const uint8_t address7 = slaveOf_[fd];
    Call call{"smbus", {{address7, transfer.read_write, {}}}, transfer.command, transfer.size};
    const bool reading = transfer.read_write == I2C_SMBUS_READ;
    const auto record = [&](const uint8_t* bytes, size_t count) {
        call.messages[0].bytes.assign(bytes, bytes + count);
        Record(call);
    };
    if (!Answers(address7)) {
        Record(call);
        return Fail(ENXIO);
    }
    uint8_t command = transfer.command;
    switch (transfer.size) {
    case I2C_SMBUS_QUICK:
        Record(call);
        return (functions_ & I2C_FUNC_SMBUS_QUICK) ? 0 : Fail(EOPNOTSUPP);
    case I2C_SMBUS_BYTE:
        if (!reading || !(functions_ & I2C_FUNC_SMBUS_READ_BYTE)) break;
        Read(address7, &transfer.data->byte, 1);
        record(&transfer.data->byte, 1);
        return 0;
    case I2C_SMBUS_BYTE_DATA:
        if (!(functions_ & (reading ? I2C_FUNC_SMBUS_READ_BYTE_DATA : I2C_FUNC_SMBUS_WRITE_BYTE_DATA))) break;
        if (reading) {
            Write(address7, &command, 1);
            Read(address7, &transfer.data->byte, 1);
        } else {
            const uint8_t bytes[2] = {command, transfer.data->byte};
            Write(address7, bytes, 2);
        }
        record(&transfer.data->byte, 1);
        return 0;
    case I2C_SMBUS_I2C_BLOCK_DATA: {
        if (!(functions_ & (reading ? I2C_FUNC_SMBUS_READ_I2C_BLOCK : I2C_FUNC_SMBUS_WRITE_I2C_BLOCK))) break;
        const size_t count = transfer.data->block[0];
        if (count == 0 || count > I2C_SMBUS_BLOCK_MAX) return Fail(EINVAL);
        Write(address7, &command, 1);
        if (reading) Read(address7, transfer.data->block + 1, count);
        else
            for (size_t i = 1; i <= count; ++i) board_.SetRegister(address7, pointer_[address7]++, transfer.data->block[i]);
        record(transfer.data->block + 1, count);
        return 0;
    }
    default: break;
    }
    Record(call);
    return Fail(EOPNOTSUPP);
}
