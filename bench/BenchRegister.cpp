#include "BenchRegister.h"

#include "ControlType.h"
#include "Conversions.h"

using namespace velk;

std::vector<std::string> BenchListCaptions()
{
    std::vector<std::string> items;
    for (int i = 0; i < BenchListItems; ++i) items.push_back("value " + std::to_string(i));
    return items;
}

GroupSpec BenchRegister(int r)
{
    const std::string name = "R" + std::to_string(r);
    GroupSpec plan{name, AddressHex(static_cast<int16_t>(2 * r)), 2, {}};
    for (int16_t byte = 0; byte < 2; ++byte) {
        for (const int16_t bit : {int16_t{4}, int16_t{0}}) {
            const auto row = static_cast<int16_t>(50 + 350 * (2 * byte + (bit == 4 ? 0 : 1)));
            plan.fields.emplace_back(name + "F" + std::to_string(byte) + std::to_string(bit), byte, bit, 4,
                                     std::vector<ControlSpec>{Described(ControlType::TextBox, 0, 15, 0, row, 500),
                                                              Described(ControlType::Combo, 0, 15, 550, row, 900,
                                                                        BenchListCaptions())});
        }
    }
    plan.controls = {Described(ControlType::TextBox, 0, 255, 1500, 50, 500)};
    return plan;
}
