#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velk {

// The description of one on-screen control of a field or a group.
class ControlRecord {
public:
    // Per-value entries: caption and style to use while the control shows
    // value i. Getters answer for any i (the decimal text of i, false, 0
    // beyond the stored entries); only setIndexValue grows the entries.
    int16_t indexCount() const { return static_cast<int16_t>(entries_.size()); }
    std::string indexValues(int16_t i) const;
    void setIndexValue(int16_t i, std::string text);
    bool indexBold(int16_t i) const;
    void setIndexBold(int16_t i, bool bold);
    bool indexItalic(int16_t i) const;
    void setIndexItalic(int16_t i, bool italic);
    int32_t indexFG(int16_t i) const;
    void setIndexFG(int16_t i, int32_t colour);
    int32_t indexBG(int16_t i) const;
    void setIndexBG(int16_t i, int32_t colour);

    // Members ordered by size, so a description's hundreds of thousands of
    // records carry little padding.
    std::string tooltip;
    std::string caption;
    std::string radix;
    int32_t bg = 0;
    int32_t fg = 0;
    int32_t controlType = 0;
    int32_t Index = 0;  // element of its widget array; never written to a file
    int16_t justify = 0;
    int16_t width = 0;
    int16_t height = 0;
    int16_t y = 0;
    int16_t X = 0;
    int16_t min = 0;
    int16_t max = 0;
    int16_t bitIndex = 0;
    bool colorsSet = false;
    bool isUserControl = false;
    bool italic = false;
    bool bold = false;
    bool isGroup = false;

private:
    struct IndexEntry {
        std::string value;
        bool bold = false;
        bool italic = false;
        int32_t fg = 0;
        int32_t bg = 0;
    };
    const IndexEntry* EntryAt(int16_t i) const;
    IndexEntry* EntryAt(int16_t i);

    std::vector<IndexEntry> entries_;
};

}  // namespace velk
