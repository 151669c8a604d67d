#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <memory>

// Automation strings: 16-bit units preceded by their length in bytes (32 bits)
// and followed by a terminating 0. A BSTR points at the first unit; the null
// BSTR reads as the empty string everywhere.
using BSTR = char16_t*;
using OLECHAR = char16_t;
using LPOLESTR = OLECHAR*;

// Null on a null `text` or when memory runs out.
BSTR SysAllocString(const OLECHAR* text);
// `length` units copied from `text`, or left as zeros when `text` is null. Null when memory runs out.
BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length);
void SysFreeString(BSTR text);
uint32_t SysStringLen(BSTR text);

// SysStringLen without a call into the runtime: the length sits just before the text.
inline uint32_t BStrUnits(BSTR text)
{
    if (!text) return 0;
    uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<const char*>(text) - sizeof bytes, sizeof bytes);
    return bytes / 2;
}
inline std::u16string_view BStrView(BSTR text) { return {text ? text : u"", BStrUnits(text)}; }

// Freed short strings are kept per thread by the runtime, by size class, and
// handed out again. The inline paths below take from and give back to that
// cache directly and call the runtime only when a class is empty or full,
// when the thread has not freed a string yet (its exit hook is set up then)
// or when it is ending. The sanitizer build never lets a thread cache, so
// every string goes to malloc there.
namespace bstr_cache {

constexpr size_t kPrefixBytes = sizeof(uint32_t);
constexpr size_t kClasses = 16;
constexpr size_t kClassUnits = 8;  // class c holds up to (c + 1) * 8 - 1 units
constexpr size_t kPerClass = 15;

enum class State : uint8_t { unhooked, usable, gone };  // gone: the thread is ending, no more caching

// Plain data, zero at thread start: an access is a few instructions, without
// an initialisation check. Each size class has a shelf of 16 words: its
// count, then up to 15 strings kept as they were handed out (their length
// prefix sits before them). A shelf's first word is then the text's byte
// length with its low four bits cleared, and each word is reached with one
// addressing mode from the thread's own data.
constexpr size_t kShelfWords = kPerClass + 1;
struct Strings {
    uintptr_t shelves[kClasses * kShelfWords];
    uintptr_t limit;  // kPerClass while the thread may cache, else 0, so a free compares one number
    State state;
};

static_assert(kShelfWords == kClassUnits * 2, "a shelf's place comes from the byte length by a mask");

// Where the shelf of strings of `bytes` bytes (fewer than kClasses *
// kClassUnits units) begins.
constexpr size_t ShelfOf(size_t bytes) { return bytes / (kClassUnits * 2) * kShelfWords; }

// Defined in the runtime. Clients built as shared libraries reach it through
// the general TLS model, valid when the runtime is loaded late by dlopen.
extern constinit thread_local Strings cached [[gnu::visibility("default")]];

constexpr size_t SizeClass(size_t units) { return units / kClassUnits; }

// Inlined into a copy of a short literal, GCC warns about the pieces of the
// branches for longer texts, which that length never takes.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
template <size_t Bytes>
inline void CopyPiece(char16_t* to, const char16_t* from)
{
    std::memcpy(to, from, Bytes);
}
#pragma GCC diagnostic pop

// Copies `count` units without a library call: cached strings are short, and
// the generic copy's call and dispatch would cost more than the copy.
inline void CopyUnits(char16_t* to, const char16_t* from, size_t count)
{
    if (count >= 8) {
        // 16-byte pieces, the last one overlapping the one before; up to 16 units, just two.
        CopyPiece<16>(to, from);
        for (size_t at = 8; at + 8 < count; at += 8) CopyPiece<16>(to + at, from + at);
        CopyPiece<16>(to + count - 8, from + count - 8);
    } else if (count >= 4) {
        CopyPiece<8>(to, from);
        CopyPiece<8>(to + count - 4, from + count - 4);
    } else if (count >= 2) {
        CopyPiece<4>(to, from);
        CopyPiece<4>(to + count - 2, from + count - 2);
    } else if (count == 1) {
        to[0] = from[0];
    }
}

}  // namespace bstr_cache

namespace bstr_cache {

// A string of `length` units from the thread's cache, its count set and its
// text not yet written, or null when the cache has none of its size class.
inline BSTR TakeCachedBlock(size_t length)
{
    if (length >= kClasses * kClassUnits) return nullptr;
    const size_t shelf = ShelfOf(length * 2);
    uintptr_t count = cached.shelves[shelf];
    if (count == 0) return nullptr;
    cached.shelves[shelf] = --count;
    auto result = reinterpret_cast<BSTR>(cached.shelves[shelf + 1 + count]);
    const auto prefix = static_cast<uint32_t>(length * 2);
    std::memcpy(reinterpret_cast<char*>(result) - kPrefixBytes, &prefix, kPrefixBytes);
    return result;
}

// A copy of `text` from the thread's cache, or null when the cache has no
// string of its size class: the caller then asks the runtime.
inline BSTR TakeCached(std::u16string_view text)
{
    BSTR result = TakeCachedBlock(text.size());
    if (!result) return nullptr;
    CopyUnits(result, text.data(), text.size());
    result[text.size()] = 0;
    return result;
}

// How many units past its end a text given to TakeCachedPadded must be readable.
constexpr size_t kPaddingUnits = kClassUnits;

// TakeCached for text followed by at least kPaddingUnits readable units
// (their values do not matter; empty text too must point at them): copied
// in whole 16-byte pieces, just one for most names and values, without the
// exact copy's branches on the length, which a processor mispredicts when
// lengths vary from string to string. A cached block has room for them:
// class c holds (c + 1) * 8 units.
inline BSTR TakeCachedPadded(std::u16string_view text)
{
    BSTR result = TakeCachedBlock(text.size());
    if (!result) return nullptr;
    static_assert(kClassUnits * sizeof(char16_t) == 16, "one piece is one class step");
    CopyPiece<16>(result, text.data());
    for (size_t at = kClassUnits; at < text.size(); at += kClassUnits) CopyPiece<16>(result + at, text.data() + at);
    result[text.size()] = 0;
    return result;
}

}  // namespace bstr_cache

// SysAllocStringLen(text.data(), text.size()) with the thread's cache looked
// at inline. Null only when memory runs out.
inline BSTR SysAllocString(std::u16string_view text)
{
    if (BSTR result = bstr_cache::TakeCached(text)) return result;
    return SysAllocStringLen(text.data() ? text.data() : u"", static_cast<uint32_t>(text.size()));
}

// SysFreeString with the thread's cache looked at inline.
inline void BStrFree(BSTR text)
{
    using namespace bstr_cache;
    if (!text) return;
    uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<const char*>(text) - kPrefixBytes, kPrefixBytes);
    if (bytes < kClasses * kClassUnits * 2) {
        const size_t shelf = ShelfOf(bytes);
        const uintptr_t count = cached.shelves[shelf];
        if (count < cached.limit) {
            cached.shelves[shelf + 1 + count] = reinterpret_cast<uintptr_t>(text);
            cached.shelves[shelf] = count + 1;
            return;
        }
    }
    SysFreeString(text);
}

// Owns one BSTR and frees it at the end of its life.
class BStr {
public:
    BStr() = default;
    explicit BStr(std::u16string_view text) : text_(SysAllocString(text)) {}
    ~BStr() { BStrFree(text_); }
    BStr(BStr&& other) noexcept : text_(other.release()) {}
    BStr& operator=(BStr&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    BStr(const BStr&) = delete;
    BStr& operator=(const BStr&) = delete;

    BSTR get() const { return text_; }
    std::u16string_view view() const { return BStrView(text_); }
    // For out parameters: frees the current text first.
    BSTR* out()
    {
        reset(nullptr);
        return &text_;
    }
    BSTR release()
    {
        BSTR text = text_;
        text_ = nullptr;
        return text;
    }
    void reset(BSTR text)
    {
        BStrFree(text_);
        text_ = text;
    }

private:
    BSTR text_ = nullptr;
};

// A BSTR whose storage is reused from one assignment to the next, for strings
// that are lent to a callee for the length of one call and never freed by it.
class BStrBuffer {
public:
    // Inline: the reader lends several strings per event.
    BSTR assign(std::u16string_view text)
    {
        if (!storage_ || text.size() > capacity_) grow(text.size());
        const uint32_t prefix = static_cast<uint32_t>(text.size() * 2);
        std::memcpy(storage_.get(), &prefix, sizeof prefix);
        if (!text.empty()) std::memcpy(storage_.get() + 2, text.data(), text.size() * 2);
        storage_[text.size() + 2] = 0;
        return storage_.get() + 2;
    }

private:
    void grow(size_t units);

    std::unique_ptr<char16_t[]> storage_;  // two units of length, the text, the terminator
    size_t capacity_ = 0;                  // units of text storage_ can take
};
