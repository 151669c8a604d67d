#include "LibUsbBus.h"

#include <algorithm>
#include <libusb.h>
#include <vector>

namespace velk {
namespace {

constexpr uint16_t BoardVendor = 0x0547;
constexpr uint16_t BoardProduct = 0x1002;
constexpr int BoardInterface = 0;
constexpr unsigned TimeoutMs = 2000;

class LibUsbBoard : public UsbBoard {
public:
    explicit LibUsbBoard(libusb_device_handle* handle) : handle_(handle) {}
    ~LibUsbBoard() override
    {
        libusb_release_interface(handle_, BoardInterface);
        libusb_close(handle_);
    }
    LibUsbBoard(const LibUsbBoard&) = delete;
    LibUsbBoard& operator=(const LibUsbBoard&) = delete;

    UsbIdentity DeviceDescriptor() override
    {
        libusb_device_descriptor descriptor{};
        libusb_get_device_descriptor(libusb_get_device(handle_), &descriptor);
        return {descriptor.idVendor, descriptor.idProduct};
    }

    std::optional<std::vector<uint8_t>> Pipes() override
    {
        libusb_config_descriptor* config = nullptr;
        if (libusb_get_active_config_descriptor(libusb_get_device(handle_), &config) != 0) return std::nullopt;
        std::optional<std::vector<uint8_t>> pipes;
        if (config->bNumInterfaces > BoardInterface && config->interface[BoardInterface].num_altsetting > 0) {
            const libusb_interface_descriptor& setting = config->interface[BoardInterface].altsetting[0];
            pipes.emplace();
            for (int i = 0; i < setting.bNumEndpoints; ++i) pipes->push_back(setting.endpoint[i].bEndpointAddress);
        }
        libusb_free_config_descriptor(config);
        return pipes;
    }

    std::optional<size_t> BulkWrite(uint8_t endpoint, std::span<const uint8_t> data) override
    {
        // libusb takes a non-const buffer for both directions; an OUT transfer only reads it.
        return Bulk(endpoint, const_cast<uint8_t*>(data.data()), data.size());
    }

    std::optional<size_t> BulkRead(uint8_t endpoint, std::span<uint8_t> buffer) override
    {
        return Bulk(endpoint, buffer.data(), buffer.size());
    }

private:
    std::optional<size_t> Bulk(uint8_t endpoint, uint8_t* data, size_t size)
    {
        int transferred = 0;
        if (libusb_bulk_transfer(handle_, endpoint, data, static_cast<int>(size), &transferred, TimeoutMs) != 0)
            return std::nullopt;
        return static_cast<size_t>(transferred);
    }

    libusb_device_handle* handle_;
};

// Where a device sits: its bus, then the ports from the root hub down.
std::vector<uint8_t> Position(libusb_device* device)
{
    std::vector<uint8_t> position(8);
    position[0] = libusb_get_bus_number(device);
    const int depth = libusb_get_port_numbers(device, position.data() + 1, 7);
    position.resize(1 + static_cast<size_t>(std::max(depth, 0)));
    return position;
}

bool IsBoard(libusb_device* device)
{
    libusb_device_descriptor descriptor{};
    return libusb_get_device_descriptor(device, &descriptor) == 0 && descriptor.idVendor == BoardVendor &&
           descriptor.idProduct == BoardProduct;
}

libusb_device_handle* OpenAndClaim(libusb_device* device)
{
    libusb_device_handle* handle = nullptr;
    if (libusb_open(device, &handle) != 0) return nullptr;
    // A kernel driver bound to the board (usbtest knows it) gives way while the board is held.
    if (libusb_kernel_driver_active(handle, BoardInterface) == 1) libusb_detach_kernel_driver(handle, BoardInterface);
    if (libusb_claim_interface(handle, BoardInterface) == 0) return handle;
    libusb_close(handle);
    return nullptr;
}

}  // namespace

LibUsbBus::~LibUsbBus()
{
    if (context_) libusb_exit(context_);
}

std::unique_ptr<UsbBoard> LibUsbBus::Open(int n)
{
    // Started on first use: a program that never looks for a board starts no USB event thread.
    if (!started_) {
        started_ = true;
        if (libusb_init(&context_) != 0) context_ = nullptr;
    }
    if (!context_ || n < 0) return nullptr;
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(context_, &list);
    if (count < 0) return nullptr;
    std::vector<libusb_device*> boards;
    for (ssize_t i = 0; i < count; ++i)
        if (IsBoard(list[i])) boards.push_back(list[i]);
    std::sort(boards.begin(), boards.end(),
              [](libusb_device* a, libusb_device* b) { return Position(a) < Position(b); });
    libusb_device_handle* handle =
        static_cast<size_t>(n) < boards.size() ? OpenAndClaim(boards[static_cast<size_t>(n)]) : nullptr;
    libusb_free_device_list(list, 1);
    return handle ? std::make_unique<LibUsbBoard>(handle) : nullptr;
}

UsbBus& ProcessUsbBus()
{
    static LibUsbBus bus;
    return bus;
}

}  // namespace velk
