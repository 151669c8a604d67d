#pragma once

#include <cstddef>

namespace sax {

// Where the scanner's bytes come from, read in chunks so that a document is
// never held in memory as a whole.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to `capacity` bytes and returns how many; 0 means the input has ended.
    virtual size_t read(unsigned char* buffer, size_t capacity) = 0;
};

}  // namespace sax
