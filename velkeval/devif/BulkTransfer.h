#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "UsbBus.h"
#include "UserDialogs.h"

namespace velk {

// Results of BulkTransfer.
inline constexpr int BulkDone = 1;
inline constexpr int BulkFailed = 0;
inline constexpr int BulkNoDriver = -2;
inline constexpr int BulkNoPipe = -3;

// One bulk transfer on pipe `pipe` of an open board (null: none open).
// The board must identify as vendor 0x0547 or product 0x1002, and have the
// pipe among the first 16 of its interface. A pipe whose endpoint address
// is below 0x81 is written from `buffer`, any other read into it;
// `transferred` gets the bytes moved.
int BulkTransfer(UsbBoard* handle, int pipe, std::span<uint8_t> buffer, size_t& transferred);

// The "BulkXFer Error" message box for a result other than BulkDone.
void ReportBulkError(UserDialogs& dialogs, int result);

}  // namespace velk
