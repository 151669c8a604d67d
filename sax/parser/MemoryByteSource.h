#pragma once

#include <span>
#include <string_view>

#include "ByteSource.h"

namespace sax {

// Bytes held by the caller; they must outlive the parse.
class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    explicit MemoryByteSource(std::string_view bytes);
    explicit MemoryByteSource(std::u16string_view units);  // 16-bit units, low byte first

    size_t read(unsigned char* buffer, size_t capacity) override;

private:
    std::span<const unsigned char> bytes_;
    size_t offset_ = 0;
};

}  // namespace sax
