#pragma once

#include <vector>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ModelError.h"
#include "TextCase.h"

namespace velk {

// The general keyed collection the model's collections wrap: 1-based
// positions in insertion order, optional string keys compared without
// regard to case. Lookup by key is a hash lookup; removing the first item
// (how a collection is emptied item by item) is constant time: the vector
// keeps a gap in front, closed when it is half the vector. (A deque would
// give the same with a block of half a kilobyte for every collection, and a
// description has a collection for every field and register.)
template <class T>
class KeyedCollection {
    struct Entry {
        T item;
        std::string foldedKey;  // empty: added without a key
    };
    using Entries = std::vector<Entry>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;

        const_iterator() = default;
        explicit const_iterator(typename Entries::const_iterator it) : it_(it) {}
        const T& operator*() const { return it_->item; }
        const T* operator->() const { return &it_->item; }
        const_iterator& operator++() { ++it_; return *this; }
        const_iterator operator++(int) { auto old = *this; ++it_; return old; }
        bool operator==(const const_iterator& other) const { return it_ == other.it_; }

    private:
        typename Entries::const_iterator it_;
    };

    // Adds item under key (no key when empty), in front of the item keyed
    // `before` when that is not empty, else at the end.
    void Add(T item, std::string_view key = {}, std::string_view before = {})
    {
        Insert(std::move(item), key, before.empty() ? count() + 1 : PositionOf(before));
    }
    // Adds item under key (no key when empty) at 1-based position, from 1
    // to count() + 1 (the end).
    void Insert(T item, std::string_view key, int position)
    {
        std::string folded = LowerCase(key);
        if (!folded.empty() && byKey_.count(folded))
            throw ModelError("This key is already associated with an element of this collection: \"" +
                             std::string(key) + "\"");
        if (position < 1 || position > count() + 1)
            throw ModelError("No position " + std::to_string(position) + " to insert at in a collection of " +
                             std::to_string(count()));
        if (!folded.empty()) byKey_.emplace(folded, item);
        if (position == 1 && head_ > 0) {
            entries_[--head_] = Entry{std::move(item), std::move(folded)};
            return;
        }
        entries_.insert(First() + (position - 1), Entry{std::move(item), std::move(folded)});
    }

    int count() const { return static_cast<int>(entries_.size() - head_); }

    bool Contains(std::string_view key) const { return byKey_.count(LowerCase(key)) != 0; }

    // The item, or nullptr when there is none at that position or key.
    const T* Find(int position) const
    {
        if (position < 1 || position > count()) return nullptr;
        return &entries_[head_ + static_cast<size_t>(position) - 1].item;
    }
    const T* Find(std::string_view key) const
    {
        auto it = byKey_.find(LowerCase(key));
        return it == byKey_.end() ? nullptr : &it->second;
    }

    // The item; a missing position or key is an error.
    const T& Get(int position) const
    {
        if (const T* item = Find(position)) return *item;
        throw ModelError("No item at position " + std::to_string(position) + " of a collection of " +
                         std::to_string(count()));
    }
    const T& Get(std::string_view key) const
    {
        if (const T* item = Find(key)) return *item;
        throw ModelError("No item with the key \"" + std::string(key) + "\" in the collection");
    }

    void Remove(int position)
    {
        Get(position);  // validates the position
        auto it = First() + (position - 1);
        if (!it->foldedKey.empty()) byKey_.erase(it->foldedKey);
        if (position > 1) {
            entries_.erase(it);
            return;
        }
        *it = Entry{};
        ++head_;
        if (head_ * 2 >= entries_.size()) {
            entries_.erase(entries_.begin(), First());
            head_ = 0;
        }
    }
    void Remove(std::string_view key) { Remove(PositionOf(key)); }

    void Clear()
    {
        entries_.clear();
        head_ = 0;
        byKey_.clear();
    }

    const_iterator begin() const { return const_iterator(First()); }
    const_iterator end() const { return const_iterator(entries_.end()); }

private:
    // 1-based position of the item under key; an error when absent. Scans
    // from the front, so the items removed in order are found at once.
    int PositionOf(std::string_view key) const
    {
        const std::string folded = LowerCase(key);
        if (!byKey_.count(folded)) Get(key);  // raises the missing-key error
        int position = 1;
        for (auto it = First(); it != entries_.end(); ++it, ++position)
            if (it->foldedKey == folded) return position;
        return position;  // unreachable: byKey_ and entries_ agree
    }

    typename Entries::iterator First() { return entries_.begin() + static_cast<std::ptrdiff_t>(head_); }
    typename Entries::const_iterator First() const { return entries_.begin() + static_cast<std::ptrdiff_t>(head_); }

    Entries entries_;
    size_t head_ = 0;  // entries before it are removed
    std::unordered_map<std::string, T> byKey_;
};

}  // namespace velk
