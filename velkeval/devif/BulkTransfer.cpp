#include "BulkTransfer.h"

#include <algorithm>

namespace velk {
namespace {

constexpr uint16_t BoardVendor = 0x0547;
constexpr uint16_t BoardProduct = 0x1002;
constexpr size_t PipesLookedAt = 16;
constexpr uint8_t FirstInEndpoint = 0x81;

}  // namespace

int BulkTransfer(UsbBoard* handle, int pipe, std::span<uint8_t> buffer, size_t& transferred)
{
    transferred = 0;
    if (handle == nullptr) return BulkNoDriver;
    const UsbIdentity identity = handle->DeviceDescriptor();
    if (identity.vendor != BoardVendor && identity.product != BoardProduct) return BulkNoPipe;
    const auto pipes = handle->Pipes();
    if (!pipes) return BulkFailed;
    if (pipe < 0 || static_cast<size_t>(pipe) >= std::min(pipes->size(), PipesLookedAt)) return BulkNoPipe;
    const uint8_t endpoint = (*pipes)[static_cast<size_t>(pipe)];
    const auto moved = endpoint < FirstInEndpoint ? handle->BulkWrite(endpoint, buffer) : handle->BulkRead(endpoint, buffer);
    if (!moved) return BulkFailed;
    transferred = *moved;
    return BulkDone;
}

void ReportBulkError(UserDialogs& dialogs, int result)
{
    const char* text = result == BulkNoPipe
                           ? "Correct Pipe not found. Perhaps \"Ep-pair.hex\" was not downloaded to a development board."
                       : result == BulkNoDriver
                           ? "Selected EZ-USB Device Driver was not found. Perhaps no device is connected."
                           : "Unknown Error.";
    dialogs.ShowMessage({"BulkXFer Error", text, MessageIcon::Critical, MessageButtons::Ok});
}

}  // namespace velk
