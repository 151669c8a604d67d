#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "Utf8Sequence.h"

namespace sax {

// A growing run of 16-bit characters: starts at 1,024 and doubles when full,
// so its size follows the longest run it has held, never the document.
// At least kPaddingUnits allocated units always follow the text, so a
// reader of a view into it may copy whole pieces past the view's end.
class TextBuffer {
public:
    static constexpr size_t kInitialCapacity = 1024;
    static constexpr size_t kPaddingUnits = 8;

    TextBuffer() : data_(new char16_t[kInitialCapacity]), capacity_(kInitialCapacity) {}

    void push_back(char16_t c)
    {
        if (size_ + 1 + kPaddingUnits > capacity_) grow(size_ + 1);
        data_[size_++] = c;
    }
    void append(std::u16string_view text)
    {
        if (size_ + text.size() + kPaddingUnits > capacity_) grow(size_ + text.size());
        if (!text.empty()) std::memcpy(data_.get() + size_, text.data(), text.size() * sizeof(char16_t));
        size_ += text.size();
    }
    void appendAscii(std::string_view bytes)
    {
        if (size_ + bytes.size() + kPaddingUnits > capacity_) grow(size_ + bytes.size());
        std::copy(bytes.begin(), bytes.end(), data_.get() + size_);
        size_ += bytes.size();
    }
    // Appends `length` characters from UTF-8 bytes made only of ASCII and
    // whole two- and three-byte sequences (as InputDecoder::takeTextRun gives).
    void appendUtf8(std::string_view bytes, size_t length)
    {
        if (length == bytes.size()) return appendAscii(bytes);
        if (size_ + length + kPaddingUnits > capacity_) grow(size_ + length);
        char16_t* out = data_.get() + size_;
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        for (const auto* end = p + bytes.size(); p < end;) {
            if (*p < 0x80) {
                *out++ = *p++;
            } else if (*p < 0xE0) {
                *out++ = static_cast<char16_t>(Utf8Pair(p[0], p[1]));
                p += 2;
            } else {
                *out++ = static_cast<char16_t>(Utf8Triple(p[0], p[1], p[2]));
                p += 3;
            }
        }
        size_ += length;
    }
    // Makes room for `count` more characters and returns where they go; the
    // caller writes all of them.
    char16_t* extend(size_t count)
    {
        if (size_ + count + kPaddingUnits > capacity_) grow(size_ + count);
        char16_t* at = data_.get() + size_;
        size_ += count;
        return at;
    }
    // Drops the last `count` characters (count <= size()).
    void truncate(size_t count) { size_ -= count; }
    void clear() { size_ = 0; }
    bool empty() const { return size_ == 0; }
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }
    std::u16string_view view() const { return {data_.get(), size_}; }

private:
    // Room for `needed` units and the padding.
    void grow(size_t needed)
    {
        needed += kPaddingUnits;
        size_t capacity = capacity_;
        while (capacity < needed) {
            if (capacity > SIZE_MAX / 2 / sizeof(char16_t)) throw std::bad_alloc();
            capacity *= 2;
        }
        std::unique_ptr<char16_t[]> data(new char16_t[capacity]);
        std::memcpy(data.get(), data_.get(), size_ * sizeof(char16_t));
        data_ = std::move(data);
        capacity_ = capacity;
    }

    std::unique_ptr<char16_t[]> data_;
    size_t size_ = 0;
    size_t capacity_;
};

}  // namespace sax
