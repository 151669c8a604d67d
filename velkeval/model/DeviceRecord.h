#pragma once

#include <string>

namespace velk {

// The header of the loaded device.
struct DeviceRecord {
    std::string devName;
    std::string currAddress;  // bus address in use: eight "0"/"1", most significant first
    std::string address;      // address pattern: "0", "1" or "x" (user-chosen) per bit

    // The number the link is opened with (currAddress read as binary).
    int BusAddress() const;
};

// The header of a device description file, written back unchanged.
struct FileRecord {
    std::string title;
    std::string modified;
    std::string author;
};

}  // namespace velk
