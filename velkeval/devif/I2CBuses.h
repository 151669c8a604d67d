#pragma once

#include <string>
#include <vector>

namespace velk {

// One i2c-dev bus as "i2cdetect -l" lists it.
struct I2CBusInfo {
    int number = 0;    // of /dev/i2c-number
    std::string name;  // the adapter's name
};

// The i2c-dev buses present: every i2c-N under sysRoot/class/i2c-dev with
// its adapter's name, in bus order. None when the folder is missing (no
// i2c-dev module loaded).
std::vector<I2CBusInfo> ListI2CBuses(const std::string& sysRoot = "/sys");

// "i2c-1: Synopsys DesignWare I2C adapter", as menus and listings show a bus.
std::string I2CBusCaption(const I2CBusInfo& bus);

}  // namespace velk
