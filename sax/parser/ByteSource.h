#pragma once

#include <cstddef>
#include <stdexcept>

namespace sax {

// Where the scanner's bytes come from, read in chunks so that a document is
// never held in memory as a whole.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to `capacity` bytes and returns how many; 0 means the input
    // has ended. A read that fails throws InputReadError.
    virtual size_t read(unsigned char* buffer, size_t capacity) = 0;
};

// A read of the input failed: the parse stops as for a parse error, and the
// client is told `what()`.
class InputReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace sax
