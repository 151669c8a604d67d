#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace velk {

// The identity a board's device descriptor gives.
struct UsbIdentity {
    uint16_t vendor = 0;
    uint16_t product = 0;
};

// One bulk-transfer board, open with its interface claimed until the object
// is dropped.
class UsbBoard {
public:
    virtual ~UsbBoard() = default;

    virtual UsbIdentity DeviceDescriptor() = 0;
    // The endpoint addresses of the board's interface in descriptor order
    // (pipe 0 first); nothing when the request fails.
    virtual std::optional<std::vector<uint8_t>> Pipes() = 0;
    // A bulk transfer on an OUT or an IN endpoint: the bytes moved, nothing
    // when the transfer fails.
    virtual std::optional<size_t> BulkWrite(uint8_t endpoint, std::span<const uint8_t> data) = 0;
    virtual std::optional<size_t> BulkRead(uint8_t endpoint, std::span<uint8_t> buffer) = 0;
};

// The USB devices with vendor 0x0547 and product 0x1002, in a stable order
// (bus, then port path).
class UsbBus {
public:
    virtual ~UsbBus() = default;

    // Board n (0 the first) opened and claimed; null when there is no such
    // board or it cannot be opened (no permission, claimed by another).
    virtual std::unique_ptr<UsbBoard> Open(int n) = 0;
};

}  // namespace velk
