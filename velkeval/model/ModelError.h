#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace velk {

// A failure of a model operation (an overflow, a missing collection item, an
// index outside an array). The command that started the work catches it and
// reports its description.
class ModelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Narrows a wide intermediate result to the model's signed 16-bit type; a
// result outside -32768..32767 is an overflow of the operation `what`.
inline int16_t Checked16(long long value, const char* what)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw ModelError(std::string(what) + ": overflow (" + std::to_string(value) +
                         " does not fit a 16-bit integer)");
    return static_cast<int16_t>(value);
}

}  // namespace velk
