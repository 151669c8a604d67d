#include "IndexValueList.h"

#include <algorithm>

namespace velk {

void IndexValueList::Fill(const ControlRecord& record, int count)
{
    texts_.clear();
    looks_.Clear();
    Resize(record, count);
}

void IndexValueList::Resize(const ControlRecord& record, int count)
{
    count = std::clamp(count, 0, MaxCount);
    while (this->count() > count) {
        looks_.Remove(this->count());  // the last position: no search by key
        texts_.pop_back();
    }
    while (this->count() < count) Append(record);
}

void IndexValueList::Append(const ControlRecord& record)
{
    const auto i = static_cast<int16_t>(count());
    looks_.Add(std::make_shared<IndexLook>(IndexLook{record.indexFG(i), record.indexBG(i), record.indexBold(i),
                                                     record.indexItalic(i)}),
               LookKey(i));
    texts_.push_back(record.indexValues(i));
}

void IndexValueList::Change(int i, std::string text, const IndexLook& look)
{
    texts_.at(static_cast<size_t>(i)) = std::move(text);
    *looks_.Get(LookKey(i)) = look;
}

void IndexValueList::WriteTo(ControlRecord& record) const
{
    for (int i = 0; i < count(); ++i) {
        const auto entry = static_cast<int16_t>(i);
        const IndexLook& entryLook = look(i);
        record.setIndexValue(entry, texts_[static_cast<size_t>(i)]);
        record.setIndexBG(entry, entryLook.bg);
        record.setIndexFG(entry, entryLook.fg);
        record.setIndexBold(entry, entryLook.bold);
        record.setIndexItalic(entry, entryLook.italic);
    }
}

}  // namespace velk
