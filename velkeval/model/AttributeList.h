#pragma once

#include <string>
#include <string_view>

namespace velk {

// Text read into storage that only grows, so that a reader of many short
// texts one after another neither reallocates nor clears storage each time.
// The storage always has room for kWordChars characters, so the first
// eight can be read and written as one word whatever the text's length.
class TextSlot {
public:
    static constexpr size_t kWordChars = 8;

    std::string_view view() const { return {storage_.data(), length_}; }
    // The text's characters, to change in place (kWordChars of them at least).
    char* data() { return storage_.data(); }
    // Room for `length` characters, which the caller then writes.
    char* prepare(size_t length)
    {
        if (storage_.size() < length) [[unlikely]]
            grow(length);
        length_ = length;
        return storage_.data();
    }
    void assign(std::string_view text) { text.copy(prepare(text.size()), text.size()); }

private:
    [[gnu::noinline]] void grow(size_t length);

    std::string storage_ = std::string(15, '\0');  // the most a std::string holds without allocating
    size_t length_ = 0;
};

// The attributes of an XML start-element event, as the loader reads them:
// a count and, by 0-based index, each local name and value.
class AttributeList {
public:
    virtual ~AttributeList() = default;
    virtual int getLength() const = 0;
    virtual std::string getLocalName(int index) const = 0;
    virtual std::string getValue(int index) const = 0;
    // Both texts of the attribute at `index` into the given slots, whose
    // storage a reader of many elements reuses. This one asks the two
    // members above; a list that can fill the slots directly overrides it.
    virtual void readAttribute(int index, TextSlot& localName, TextSlot& value) const;
};

// The value of the last attribute whose name matches `name` lower-cased, or
// "GANone" when none does. A failure while reading the list ends the search
// with what was found so far.
std::string GetAttribute(const AttributeList& attributes, std::string_view name);

}  // namespace velk
