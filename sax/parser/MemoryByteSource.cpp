#include "MemoryByteSource.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace sax {

MemoryByteSource::MemoryByteSource(std::string_view bytes)
    : bytes_(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
{
}

MemoryByteSource::MemoryByteSource(std::u16string_view units)
    : bytes_(reinterpret_cast<const unsigned char*>(units.data()), units.size() * sizeof(char16_t))
{
    static_assert(std::endian::native == std::endian::little, "16-bit input is read low byte first");
}

size_t MemoryByteSource::read(unsigned char* buffer, size_t capacity)
{
    const size_t count = std::min(capacity, bytes_.size() - offset_);
    if (count > 0) std::memcpy(buffer, bytes_.data() + offset_, count);
    offset_ += count;
    return count;
}

}  // namespace sax
