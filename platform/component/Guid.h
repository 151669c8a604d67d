#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

// A 128-bit class or interface identifier, laid out as the component contract has it.
struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];

    friend constexpr bool operator==(const GUID& a, const GUID& b)
    {
        // At run time one 16-byte compare: QueryInterface asks this on every event that hands out an object.
        if (!std::is_constant_evaluated()) return std::memcmp(&a, &b, sizeof(GUID)) == 0;
        if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
        for (int i = 0; i < 8; ++i)
            if (a.Data4[i] != b.Data4[i]) return false;
        return true;
    }
};

using IID = GUID;
using CLSID = GUID;

// The registry form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", hexadecimal digits
// in either case. Anything else yields nothing.
std::optional<GUID> ParseGuid(std::string_view text);
// The registry form with upper-case digits.
std::string GuidToString(const GUID& guid);
