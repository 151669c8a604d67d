#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ControlRecord.h"
#include "KeyedCollection.h"

namespace velk {

// How a list control shows one of its values.
struct IndexLook {
    int32_t fg = 0;
    int32_t bg = 0;
    bool bold = false;
    bool italic = false;
};

// The control editor's copy of a control's list entries: the entry texts in
// order, and each entry's look held under "index" followed by its position.
class IndexValueList {
public:
    // A record's value index is 16-bit: entries 0 to 32766.
    static constexpr int MaxCount = INT16_MAX;

    // Entries 0 .. count - 1 as the record holds them.
    void Fill(const ControlRecord& record, int count);
    // Keeps the first `count` entries (0 to MaxCount); new entries come
    // from the record.
    void Resize(const ControlRecord& record, int count);

    int count() const { return static_cast<int>(texts_.size()); }
    const std::vector<std::string>& texts() const { return texts_; }
    const IndexLook& look(int i) const { return *looks_.Get(LookKey(i)); }
    void Change(int i, std::string text, const IndexLook& look);

    // Every entry into the record's per-value arrays.
    void WriteTo(ControlRecord& record) const;

private:
    static std::string LookKey(int i) { return "index" + std::to_string(i); }
    void Append(const ControlRecord& record);

    std::vector<std::string> texts_;
    KeyedCollection<std::shared_ptr<IndexLook>> looks_;
};

}  // namespace velk
