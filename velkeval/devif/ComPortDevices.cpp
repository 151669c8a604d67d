#include "ComPortDevices.h"

#include <cstdlib>

namespace velk {

std::string ComPortDevice(int16_t port, const std::string& mapping)
{
    if (port < 1) return {};
    size_t start = 0;
    for (int16_t entry = 1; entry < port && start != std::string::npos; ++entry) {
        start = mapping.find(',', start);
        if (start != std::string::npos) ++start;
    }
    if (start != std::string::npos) {
        const std::string device = mapping.substr(start, mapping.find(',', start) - start);
        if (!device.empty()) return device;
    }
    return "/dev/ttyUSB" + std::to_string(port - 1);
}

std::string ComPortDevice(int16_t port)
{
    const char* mapping = std::getenv("VELK_COMPORTS");
    return ComPortDevice(port, mapping ? mapping : "");
}

}  // namespace velk
