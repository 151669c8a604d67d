#pragma once

#include <cstdint>
#include <string>

namespace velk {

// Where "COM n" is on this system. VELK_COMPORTS lists the devices of COM 1,
// COM 2, ... separated by commas ("/dev/ttyACM0,,/dev/ttyS0"); a port it
// leaves out or empty is /dev/ttyUSB<n-1>, the n-th USB-serial converter.
// Port 0 and negative ports have no device: the text is empty.
std::string ComPortDevice(int16_t port);

// The same for a given VELK_COMPORTS text.
std::string ComPortDevice(int16_t port, const std::string& mapping);

}  // namespace velk
