#include "I2CBuses.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace velk {
namespace {

std::string FirstLine(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

std::vector<I2CBusInfo> ListI2CBuses(const std::string& sysRoot)
{
    namespace fs = std::filesystem;
    std::vector<I2CBusInfo> buses;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(sysRoot) / "class" / "i2c-dev", error)) {
        const std::string folder = entry.path().filename().string();
        if (folder.rfind("i2c-", 0) != 0) continue;
        const std::string digits = folder.substr(4);
        if (digits.empty() || digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
        // The class entry names the adapter itself, or through its device.
        std::string name = FirstLine(entry.path() / "name");
        if (name.empty()) name = FirstLine(entry.path() / "device" / "name");
        buses.push_back({std::stoi(digits), name});
    }
    std::sort(buses.begin(), buses.end(), [](const I2CBusInfo& a, const I2CBusInfo& b) { return a.number < b.number; });
    return buses;
}

std::string I2CBusCaption(const I2CBusInfo& bus)
{
    return "i2c-" + std::to_string(bus.number) + (bus.name.empty() ? "" : ": " + bus.name);
}

}  // namespace velk
