#pragma once

#include <stdexcept>

namespace velk {

// A failure of a file command (a file that cannot be read, written or
// replaced, a description that cannot be loaded). The command that started
// the work catches it and reports its description.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace velk
