#include "UsbBoards.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "BulkTransfer.h"

namespace velk {
namespace {

constexpr uint8_t IdentifyCommand = 0x01;
constexpr size_t IdentifyReplySize = 132;
constexpr size_t FirmwareNameStart = 3;
const std::string DriverPrefix = "ezusb-";

}  // namespace

std::string UsbDriverName(int n) { return DriverPrefix + std::to_string(n); }

std::optional<int> UsbDriverNumber(const std::string& name)
{
    if (!name.starts_with(DriverPrefix)) return std::nullopt;
    const char* first = name.data() + DriverPrefix.size();
    const char* last = name.data() + name.size();
    int n = -1;
    const auto [end, error] = std::from_chars(first, last, n);
    if (first == last || error != std::errc() || end != last || n < 0 || n >= UsbBoardNames) return std::nullopt;
    return n;
}

std::string IdentifyFirmware(UsbBoard* board)
{
    std::array<uint8_t, 1> command{IdentifyCommand};
    std::array<uint8_t, IdentifyReplySize> reply{};
    size_t transferred = 0;
    if (BulkTransfer(board, 0, command, transferred) != BulkDone) return {};
    if (BulkTransfer(board, 7, reply, transferred) != BulkDone || transferred < FirmwareNameStart) return {};
    const auto nameEnd = std::find(reply.begin() + FirmwareNameStart, reply.begin() + static_cast<long>(transferred), 0);
    return std::string(reply.begin() + FirmwareNameStart, nameEnd) + " Version " + std::to_string(reply[1]) + "." +
           std::to_string(reply[2]);
}

std::vector<UsbBoardEntry> DetectBoards(UsbBus& bus)
{
    std::vector<UsbBoardEntry> boards;
    for (int n = 0; n < UsbBoardNames; ++n) {
        const auto board = bus.Open(n);
        if (!board) continue;
        if (std::string firmware = IdentifyFirmware(board.get()); !firmware.empty()) boards.push_back({n, firmware});
    }
    return boards;
}

}  // namespace velk
