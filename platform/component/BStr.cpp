#include "BStr.h"

#include <cstdlib>
#include <pthread.h>

#include <algorithm>
#include <cstring>
#include <limits>

using namespace bstr_cache;

// The runtime may be loaded late (with a component, by a program that does
// not link it), so its thread-local data uses the general model.
constinit thread_local Strings bstr_cache::cached{};

namespace {

char* PrefixOf(BSTR text) { return reinterpret_cast<char*>(text) - kPrefixBytes; }

// The sanitizer build goes to malloc every time, so that it still sees every
// use of a freed string: no thread is ever let cache, so the inline paths
// always find the cache empty and its limit 0, and each block is the
// string's exact size, so that a write past its end is seen too.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCaching = false;
#else
constexpr bool kCaching = true;
#endif

size_t BlockBytes(uint32_t length)
{
    const size_t units = kCaching && SizeClass(length) < kClasses ? (SizeClass(length) + 1) * kClassUnits : size_t{length} + 1;
    return kPrefixBytes + units * 2;
}

// The thread's cache, its address worked out once per call: the compiler
// would otherwise ask the runtime again for each use.
Strings& ThreadCache()
{
    Strings* own = &cached;
    asm("" : "+r"(own));
    return *own;
}

void ReleaseCache(void* data)
{
    auto& own = *static_cast<Strings*>(data);
    own.state = State::gone;
    own.limit = 0;
    for (size_t c = 0; c < kClasses; ++c) {
        uintptr_t* shelf = own.shelves + c * kShelfWords;
        for (size_t i = 1; i <= shelf[0]; ++i) std::free(PrefixOf(reinterpret_cast<BSTR>(shelf[i])));
        shelf[0] = 0;
    }
}

// Sets up the thread's exit hook, once; out of line, so the common path stays short.
[[gnu::noinline]] bool HookCache(Strings& own)
{
    static pthread_key_t key;
    static const bool keyMade = pthread_key_create(&key, ReleaseCache) == 0;
    const bool hooked = keyMade && pthread_setspecific(key, &own) == 0;
    own.state = hooked ? State::usable : State::gone;
    own.limit = hooked ? kPerClass : 0;
    return hooked;
}

// Whether this thread may cache.
bool CacheUsable(Strings& own)
{
    if (!kCaching) return false;
    if (own.state == State::usable) return true;
    return own.state == State::unhooked && HookCache(own);
}

char* AllocateBlock(uint32_t length)
{
    if (SizeClass(length) < kClasses) {
        // Only a usable cache holds strings: no need to ask.
        uintptr_t* shelf = ThreadCache().shelves + ShelfOf(size_t{length} * 2);
        if (shelf[0] > 0) return PrefixOf(reinterpret_cast<BSTR>(shelf[shelf[0]--]));
    }
    return static_cast<char*>(std::malloc(BlockBytes(length)));
}

void FreeString(BSTR text)
{
    const uint32_t length = BStrUnits(text);
    if (SizeClass(length) < kClasses) {
        Strings& own = ThreadCache();
        uintptr_t* shelf = own.shelves + ShelfOf(size_t{length} * 2);
        if (CacheUsable(own) && shelf[0] < own.limit) {
            shelf[++shelf[0]] = reinterpret_cast<uintptr_t>(text);
            return;
        }
    }
    std::free(PrefixOf(text));
}

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
    if (text) FreeString(text);
}

uint32_t SysStringLen(BSTR text) { return BStrUnits(text); }

void BStrBuffer::grow(size_t units)
{
    static_assert(kPrefixBytes == 2 * sizeof(char16_t));
    capacity_ = std::max(units, capacity_ * 2);
    storage_ = std::make_unique_for_overwrite<char16_t[]>(capacity_ + 3);
}
