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
// Null only when memory runs out.
inline BSTR SysAllocString(std::u16string_view text)
{
    return SysAllocStringLen(text.data() ? text.data() : u"", static_cast<uint32_t>(text.size()));
}

// Owns one BSTR and frees it at the end of its life.
class BStr {
public:
    BStr() = default;
    explicit BStr(std::u16string_view text) : text_(SysAllocString(text)) {}
    ~BStr() { SysFreeString(text_); }
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
        SysFreeString(text_);
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
