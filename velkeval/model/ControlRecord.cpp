#include "ControlRecord.h"

#include "ModelError.h"

namespace velk {

const ControlRecord::IndexEntry* ControlRecord::EntryAt(int16_t i) const
{
    if (i < 0 || i >= indexCount()) return nullptr;
    return &entries_[static_cast<size_t>(i)];
}

ControlRecord::IndexEntry* ControlRecord::EntryAt(int16_t i)
{
    return const_cast<IndexEntry*>(static_cast<const ControlRecord*>(this)->EntryAt(i));
}

std::string ControlRecord::indexValues(int16_t i) const
{
    const IndexEntry* entry = EntryAt(i);
    return entry ? entry->value : std::to_string(i);
}

void ControlRecord::setIndexValue(int16_t i, std::string text)
{
    if (i < 0) throw ModelError("setIndexValue: negative value index " + std::to_string(i));
    if (i >= indexCount()) {
        Checked16(static_cast<long long>(i) + 1, "setIndexValue");
        entries_.resize(static_cast<size_t>(i) + 1);
    }
    entries_[static_cast<size_t>(i)].value = std::move(text);
}

bool ControlRecord::indexBold(int16_t i) const
{
    const IndexEntry* entry = EntryAt(i);
    return entry && entry->bold;
}

void ControlRecord::setIndexBold(int16_t i, bool bold)
{
    if (IndexEntry* entry = EntryAt(i)) entry->bold = bold;
}

bool ControlRecord::indexItalic(int16_t i) const
{
    const IndexEntry* entry = EntryAt(i);
    return entry && entry->italic;
}

void ControlRecord::setIndexItalic(int16_t i, bool italic)
{
    if (IndexEntry* entry = EntryAt(i)) entry->italic = italic;
}

int32_t ControlRecord::indexFG(int16_t i) const
{
    const IndexEntry* entry = EntryAt(i);
    return entry ? entry->fg : 0;
}

void ControlRecord::setIndexFG(int16_t i, int32_t colour)
{
    if (IndexEntry* entry = EntryAt(i)) entry->fg = colour;
}

int32_t ControlRecord::indexBG(int16_t i) const
{
    const IndexEntry* entry = EntryAt(i);
    return entry ? entry->bg : 0;
}

void ControlRecord::setIndexBG(int16_t i, int32_t colour)
{
    if (IndexEntry* entry = EntryAt(i)) entry->bg = colour;
}

}  // namespace velk
