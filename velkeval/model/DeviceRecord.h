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

    // Address-bit box i (0 = least significant) shows character 8 - i of
    // currAddress (empty when there is none) and may be changed where the
    // pattern has an "x" there.
    std::string AddressBit(int box) const;
    bool AddressBitEditable(int box) const;
    // A click on box i: its digit flips ("0" becomes "1", anything else "0")
    // and currAddress is rebuilt from the eight boxes, box 7 first.
    void FlipAddressBit(int box);
};

// The header of a device description file, written back unchanged.
struct FileRecord {
    std::string title;
    std::string modified;
    std::string author;
};

}  // namespace velk
