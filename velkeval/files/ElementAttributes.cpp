#include "ElementAttributes.h"

#include <bit>
#include <cstring>

#include "TextCase.h"

namespace velk {
namespace {

static_assert(std::endian::native == std::endian::little, "a name's first character is its word's low byte");

constexpr uint64_t kHighBits = 0x8080808080808080ull;

// The ASCII capitals among eight ASCII bytes made small.
uint64_t LowerAsciiBytes(uint64_t bytes)
{
    const uint64_t fromA = bytes + 0x3F3F3F3F3F3F3F3Full;  // high bit set from 'A' on
    const uint64_t pastZ = bytes + 0x2525252525252525ull;  // high bit set past 'Z'
    return bytes | ((fromA & ~pastZ & kHighBits) >> 2);
}

// Lower-cases a name where it lies and returns its key. Names of up to
// eight ASCII characters, nearly all of them, are done as one word; longer
// names and names beyond ASCII take LowerCase's full mapping.
uint64_t LowerNameAndKey(TextSlot& name)
{
    const size_t length = name.view().size();
    if (length <= TextSlot::kWordChars) {
        uint64_t word;
        std::memcpy(&word, name.data(), sizeof word);
        if (length < TextSlot::kWordChars) word &= (uint64_t{1} << (8 * length)) - 1;
        if (!(word & kHighBits)) {
            word = LowerAsciiBytes(word);
            std::memcpy(name.data(), &word, sizeof word);
            return AttributeName::KeyOfWord(length, word);
        }
    }
    name.assign(LowerCase(name.view()));
    return AttributeName::KeyOf(name.view());
}

}  // namespace

void ElementAttributes::Read(const AttributeList& attributes)
{
    count_ = 0;
    try {
        const int length = attributes.getLength();
        if (length > 0 && entries_.size() < static_cast<size_t>(length)) entries_.resize(static_cast<size_t>(length));
        for (int i = 0; i < length; ++i) {
            Entry& entry = entries_[static_cast<size_t>(i)];
            attributes.readAttribute(i, entry.name, entry.value);
            entry.key = LowerNameAndKey(entry.name);
            count_ = static_cast<size_t>(i) + 1;
        }
    } catch (...) {
        // the list ends here; keep what was read
    }
}

}  // namespace velk
