#include "BStr.h"

#include <cstdlib>
#include <pthread.h>

#include <algorithm>
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

namespace {

// Freed short strings are kept per thread, by size class, and handed out
// again: a parse allocates and frees a few strings per attribute, and malloc
// would be most of its cost. The sanitizer build goes to malloc every time,
// so that it still sees every use of a freed string.
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kCachedClasses = 0;
#else
constexpr size_t kCachedClasses = 16;
#endif
constexpr size_t kClassUnits = 8;  // class c holds up to (c + 1) * 8 - 1 units
constexpr size_t kCachedPerClass = 16;

size_t SizeClass(uint32_t length) { return length / kClassUnits; }
size_t BlockBytes(uint32_t length)
{
    const size_t units = SizeClass(length) < kCachedClasses ? (SizeClass(length) + 1) * kClassUnits : size_t{length} + 1;
    return kPrefixBytes + units * 2;
}

// Plain data only, so that the fast path is a few loads from static TLS; the
// blocks a thread keeps are freed by a thread-exit hook set up on first use.
enum class CacheState : uint8_t { unhooked, usable, gone };  // gone: the thread is ending, no more caching

struct BlockCache {
    char* blocks[kCachedClasses ? kCachedClasses : 1][kCachedPerClass];
    size_t counts[kCachedClasses ? kCachedClasses : 1];
    CacheState state;
};

// The runtime may be loaded late (with a component, by a program that does
// not link it), so its thread-local data uses the general model; each call
// looks the cache up once.
thread_local BlockCache cache;

// The thread's cache, its address worked out once per call: the compiler
// would otherwise ask the runtime again for each use.
BlockCache& ThreadCache()
{
    BlockCache* own = &cache;
    asm("" : "+r"(own));
    return *own;
}

void ReleaseCache(void* data)
{
    auto& own = *static_cast<BlockCache*>(data);
    own.state = CacheState::gone;
    for (size_t c = 0; c < kCachedClasses; ++c) {
        for (size_t i = 0; i < own.counts[c]; ++i) std::free(own.blocks[c][i]);
        own.counts[c] = 0;
    }
}

// Sets up the thread's exit hook, once; out of line, so the common path stays short.
[[gnu::noinline]] bool HookCache(BlockCache& own)
{
    static pthread_key_t key;
    static const bool keyMade = pthread_key_create(&key, ReleaseCache) == 0;
    own.state = keyMade && pthread_setspecific(key, &own) == 0 ? CacheState::usable : CacheState::gone;
    return own.state == CacheState::usable;
}

// Whether this thread may cache.
bool CacheUsable(BlockCache& own)
{
    if (own.state == CacheState::usable) return true;
    return own.state == CacheState::unhooked && HookCache(own);
}

char* AllocateBlock(uint32_t length)
{
    const size_t sizeClass = SizeClass(length);
    if (sizeClass < kCachedClasses) {
        // Only a usable cache holds blocks: no need to ask.
        BlockCache& own = ThreadCache();
        if (own.counts[sizeClass] > 0) return own.blocks[sizeClass][--own.counts[sizeClass]];
    }
    return static_cast<char*>(std::malloc(BlockBytes(length)));
}

void FreeBlock(char* block, uint32_t length)
{
    const size_t sizeClass = SizeClass(length);
    if (sizeClass < kCachedClasses) {
        BlockCache& own = ThreadCache();
        if (CacheUsable(own) && own.counts[sizeClass] < kCachedPerClass) {
            own.blocks[sizeClass][own.counts[sizeClass]++] = block;
            return;
        }
    }
    std::free(block);
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length)
{
    if (length > (std::numeric_limits<uint32_t>::max() - kPrefixBytes) / 2 - 1) return nullptr;
    const size_t bytes = size_t{length} * 2;
    char* block = AllocateBlock(length);
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
    if (text) FreeBlock(PrefixOf(text), BStrUnits(text));
}

uint32_t SysStringLen(BSTR text) { return BStrUnits(text); }

void BStrBuffer::grow(size_t units)
{
    static_assert(kPrefixBytes == 2 * sizeof(char16_t));
    capacity_ = std::max(units, capacity_ * 2);
    storage_ = std::make_unique_for_overwrite<char16_t[]>(capacity_ + 3);
}
