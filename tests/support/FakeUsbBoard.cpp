#include "FakeUsbBoard.h"

#include <algorithm>

namespace {

class FakeHandle : public velk::UsbBoard {
public:
    explicit FakeHandle(std::shared_ptr<FakeUsbBoard> board) : board_(std::move(board)) { board_->open = true; }
    ~FakeHandle() override { board_->open = false; }
    FakeHandle(const FakeHandle&) = delete;
    FakeHandle& operator=(const FakeHandle&) = delete;

    velk::UsbIdentity DeviceDescriptor() override { return board_->identity; }

    std::optional<std::vector<uint8_t>> Pipes() override
    {
        if (board_->pipeRequestFails) return std::nullopt;
        return board_->pipes;
    }

    std::optional<size_t> BulkWrite(uint8_t endpoint, std::span<const uint8_t> data) override
    {
        if (endpoint != board_->pipes.at(0)) return std::nullopt;
        board_->Command({data.begin(), data.end()});
        return data.size();
    }

    std::optional<size_t> BulkRead(uint8_t endpoint, std::span<uint8_t> buffer) override
    {
        if (endpoint != board_->pipes.at(7) || board_->pendingReply.empty()) return std::nullopt;  // times out
        const size_t count = std::min(buffer.size(), board_->pendingReply.size());
        std::copy_n(board_->pendingReply.begin(), count, buffer.begin());
        board_->pendingReply.clear();
        return count;
    }

private:
    std::shared_ptr<FakeUsbBoard> board_;
};

}  // namespace

void FakeUsbBoard::Command(const std::vector<uint8_t>& command)
{
    commands.push_back(command);
    pendingReply.clear();
    if (command.size() == 1 && command[0] == 0x01) {
        pendingReply = {0, major, minor};
        pendingReply.insert(pendingReply.end(), firmwareName.begin(), firmwareName.end());
        pendingReply.resize(132);
    } else if (command.size() >= 4 && command[0] == 0x10 && command.size() == 4u + command[3]) {
        if (replyCode == 0)
            for (size_t i = 0; i < command[3]; ++i) registers[command[2]] = command[4 + i];
        pendingReply = {replyCode};
    } else if (command.size() == 4 && command[0] == 0x11) {
        pendingReply = {replyCode, readGives < 0 ? command[3] : static_cast<uint8_t>(readGives)};
        for (size_t i = 0; i < command[3]; ++i) pendingReply.push_back(registers[command[2]]);
    }
    if (repliesCut && !pendingReply.empty()) pendingReply.pop_back();
}

std::shared_ptr<FakeUsbBoard> FakeUsbBus::Add(FakeUsbBoard board)
{
    boards_.push_back(std::make_shared<FakeUsbBoard>(std::move(board)));
    return boards_.back();
}

std::unique_ptr<velk::UsbBoard> FakeUsbBus::Open(int n)
{
    if (n < 0 || static_cast<size_t>(n) >= boards_.size() || boards_[static_cast<size_t>(n)]->open) return nullptr;
    return std::make_unique<FakeHandle>(boards_[static_cast<size_t>(n)]);
}
