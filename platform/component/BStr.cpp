#include "BStr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr size_t kPrefixBytes = sizeof(uint32_t);

char* PrefixOf(BSTR text) { return reinterpret_cast<char*>(text) - kPrefixBytes; }

}  // namespace

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text) return nullptr;
    return SysAllocStringLen(text, static_cast<uint32_t>(std::char_traits<char16_t>::length(text)));
}

BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length)
{
    if (length > (std::numeric_limits<uint32_t>::max() - kPrefixBytes) / 2 - 1) return nullptr;
    const size_t bytes = size_t{length} * 2;
    char* block = static_cast<char*>(std::malloc(kPrefixBytes + bytes + 2));
    if (!block) return nullptr;
    const uint32_t prefix = static_cast<uint32_t>(bytes);
    std::memcpy(block, &prefix, kPrefixBytes);
    BSTR result = reinterpret_cast<BSTR>(block + kPrefixBytes);
    if (text)
        std::memcpy(result, text, bytes);
    else
        std::memset(result, 0, bytes);
    result[length] = 0;
    return result;
}

void SysFreeString(BSTR text)
{
    if (text) std::free(PrefixOf(text));
}

uint32_t SysStringLen(BSTR text)
{
    if (!text) return 0;
    uint32_t bytes;
    std::memcpy(&bytes, PrefixOf(text), kPrefixBytes);
    return bytes / 2;
}

BSTR BStrBuffer::assign(std::u16string_view text)
{
    static_assert(kPrefixBytes == 2 * sizeof(char16_t));
    storage_.resize(text.size() + 3);
    const uint32_t prefix = static_cast<uint32_t>(text.size() * 2);
    std::memcpy(storage_.data(), &prefix, kPrefixBytes);
    if (!text.empty()) std::memcpy(storage_.data() + 2, text.data(), text.size() * 2);
    storage_[text.size() + 2] = 0;
    return storage_.data() + 2;
}
