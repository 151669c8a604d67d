#pragma once

#include "UsbBus.h"

struct libusb_context;

namespace velk {

// UsbBus through libusb-1.0. The boards are ordered by bus number, then
// port path, so a board keeps its number while it stays in its socket.
// Opening claims interface 0 (a kernel driver bound to it is detached);
// transfers time out after two seconds. libusb starts at the first Open;
// without USB support on the machine no board is found.
class LibUsbBus : public UsbBus {
public:
    LibUsbBus() = default;
    ~LibUsbBus() override;
    LibUsbBus(const LibUsbBus&) = delete;
    LibUsbBus& operator=(const LibUsbBus&) = delete;

    std::unique_ptr<UsbBoard> Open(int n) override;

private:
    bool started_ = false;
    libusb_context* context_ = nullptr;
};

// The process's own bus.
UsbBus& ProcessUsbBus();

}  // namespace velk
