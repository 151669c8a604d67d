#include "DeviceRecord.h"

#include "Conversions.h"

namespace velk {
namespace {

// Character 8 - box (counting from 1) of an eight-character bit text.
std::string CharacterForBox(const std::string& bits, int box)
{
    const int position = 7 - box;
    if (position < 0 || position >= static_cast<int>(bits.size())) return {};
    return bits.substr(static_cast<size_t>(position), 1);
}

}  // namespace

int DeviceRecord::BusAddress() const { return BinToInt(currAddress); }

std::string DeviceRecord::AddressBit(int box) const { return CharacterForBox(currAddress, box); }

bool DeviceRecord::AddressBitEditable(int box) const { return CharacterForBox(address, box) == "x"; }

void DeviceRecord::FlipAddressBit(int box)
{
    std::string rebuilt;
    for (int b = 7; b >= 0; --b) {
        const std::string caption = AddressBit(b);
        if (b == box)
            rebuilt.push_back(caption == "0" ? '1' : '0');
        else if (!caption.empty())
            rebuilt.push_back(caption.front());
    }
    currAddress = rebuilt;
}

}  // namespace velk
