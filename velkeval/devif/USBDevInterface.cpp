#include "USBDevInterface.h"

#include <vector>

#include "BulkTransfer.h"
#include "ByteArgument.h"
#include "LinkError.h"
#include "LinkRuntimeError.h"
#include "UsbBoards.h"

namespace velk {
namespace {

constexpr uint8_t WriteCommand = 0x10;
constexpr uint8_t ReadCommand = 0x11;
constexpr int CommandPipe = 0;
constexpr int ReplyPipe = 7;
constexpr uint32_t ReplyErrorNumber = 0x80040000u + 516u;

uint8_t ByteCount(size_t count, const char* operation)
{
    if (count > 255) throw LinkError(std::string(operation) + ": " + std::to_string(count) + " bytes do not fit one command (at most 255)");
    return static_cast<uint8_t>(count);
}

}  // namespace

std::unique_ptr<UsbBoard> USBDevInterface::OpenBoard() const
{
    const auto n = UsbDriverNumber(driverName_);
    return n ? bus_.Open(*n) : nullptr;
}

bool USBDevInterface::Connect(int16_t)
{
    if (driverName_.empty() || connected_) return false;
    const auto board = OpenBoard();
    if (!board) return false;
    firmware_ = IdentifyFirmware(board.get());
    connected_ = !firmware_.empty();
    return connected_;
}

void USBDevInterface::Disconnect()
{
    if (!connected_) return;
    connected_ = false;
    firmware_.clear();
}

void USBDevInterface::CheckReplyCode(uint8_t code)
{
    if (code != 0)
        throw LinkRuntimeError(ReplyErrorNumber, "VelkEval.USBDevInterface",
                               "USB Device encountered error during read: " + std::to_string(code));
}

bool USBDevInterface::Exchange(std::span<uint8_t> command, std::span<uint8_t> reply)
{
    const auto board = OpenBoard();
    size_t transferred = 0;
    int result = BulkTransfer(board.get(), CommandPipe, command, transferred);
    if (result == BulkDone) {
        result = BulkTransfer(board.get(), ReplyPipe, reply, transferred);
        // A reply shorter than asked for carries no answer to trust.
        if (result == BulkDone && transferred < reply.size()) result = BulkFailed;
    }
    if (result == BulkDone) return true;
    ReportBulkError(dialogs(), result);
    return false;
}

void USBDevInterface::WriteBytes(int16_t reg, std::span<const int16_t> data)
{
    if (!connected_) return;
    std::vector<uint8_t> command{WriteCommand, deviceAddress, ByteArgument(reg, "WriteBytes", "register"),
                                 ByteCount(data.size(), "WriteBytes")};
    for (int16_t value : data) command.push_back(ByteArgument(value, "WriteBytes", "value"));
    uint8_t reply[1] = {};
    if (Exchange(command, reply)) CheckReplyCode(reply[0]);
}

void USBDevInterface::ReadBytes(int16_t reg, std::span<int16_t> data)
{
    if (!connected_) return;
    const uint8_t count = ByteCount(data.size(), "ReadBytes");
    uint8_t command[4] = {ReadCommand, deviceAddress, ByteArgument(reg, "ReadBytes", "register"), count};
    std::vector<uint8_t> reply(data.size() + 2);
    if (!Exchange(command, reply)) return;
    CheckReplyCode(reply[0]);
    // Byte 1 says how many data bytes follow; no more than were asked for are taken.
    const size_t given = std::min<size_t>(reply[1], data.size());
    for (size_t i = 0; i < data.size(); ++i) data[i] = i < given ? reply[i + 2] : 0;
}

void USBDevInterface::WriteByte(int16_t reg, int16_t value)
{
    const int16_t data[1] = {value};
    WriteBytes(reg, data);
}

uint8_t USBDevInterface::ReadByte(int16_t reg)
{
    int16_t data[1] = {0};
    ReadBytes(reg, data);
    return static_cast<uint8_t>(data[0]);
}

void USBDevInterface::Configure(const std::string& name, const SettingValue& value)
{
    if (name != "USB_DRIVERNAME") return;
    const auto* text = std::get_if<std::string>(&value);
    driverName_ = text ? *text : std::to_string(std::get<int64_t>(value));
}

}  // namespace velk
