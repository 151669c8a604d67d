#include "WidgetStore.h"

#include <algorithm>

#include "ModelError.h"

namespace velk {
namespace {

bool IsBoxOrList(WidgetArray array)
{
    switch (array) {
    case WidgetArray::txtGrpExtra:
    case WidgetArray::txtExtra:
    case WidgetArray::grpcombos:
    case WidgetArray::combos:
    case WidgetArray::txtGrpUpDown:
    case WidgetArray::txtUpDown:
    case WidgetArray::displays:
    case WidgetArray::txtValue: return true;
    default: return false;
    }
}

}  // namespace

WidgetState WidgetStore::AsMade(WidgetArray array)
{
    WidgetState state;
    const bool box = IsBoxOrList(array);
    state.foreColor = box || array == WidgetArray::lines ? SystemColour(8) : LabelTemplateFore;
    state.backColor = box ? SystemColour(5) : LabelTemplateBack;
    state.borderWidth = 1;
    return state;
}

void WidgetStore::Entries::GrowTo(size_t n)
{
    while (blocks_.size() * BlockSize < n) blocks_.push_back(std::make_unique<Entry[]>(BlockSize));
    size_ = std::max(size_, n);
}

void WidgetStore::Entries::TrimUnloaded()
{
    while (size_ > 1 && (*this)[size_ - 1].arrival == 0) --size_;
    while (blocks_.size() * BlockSize >= size_ + BlockSize) blocks_.pop_back();
}

WidgetStore::WidgetStore() : pages_(1)
{
    for (size_t a = 0; a < WidgetArrayCount; ++a) {
        const WidgetId id{static_cast<WidgetArray>(a), 0};
        arrays_[a].GrowTo(1);
        Entry& entry = arrays_[a][0];
        entry.state = AsMade(id.array);
        Join(id, entry, 0);
    }
}

const WidgetStore::Entry& WidgetStore::EntryOf(WidgetId id) const
{
    const auto& entries = arrays_[static_cast<size_t>(id.array)];
    if (id.index < 0 || static_cast<size_t>(id.index) >= entries.size() || entries[static_cast<size_t>(id.index)].arrival == 0)
        throw ModelError("Widget " + WidgetName(id) + " is not loaded");
    return entries[static_cast<size_t>(id.index)];
}

WidgetStore::Entry& WidgetStore::EntryOf(WidgetId id)
{
    return const_cast<Entry&>(static_cast<const WidgetStore*>(this)->EntryOf(id));
}

bool WidgetStore::isLoaded(WidgetId id) const
{
    const auto& entries = arrays_[static_cast<size_t>(id.array)];
    return id.index >= 0 && static_cast<size_t>(id.index) < entries.size() && entries[static_cast<size_t>(id.index)].arrival != 0;
}

const WidgetState& WidgetStore::at(WidgetId id) const { return EntryOf(id).state; }

WidgetState& WidgetStore::at(WidgetId id) { return EntryOf(id).state; }

int WidgetStore::loadedCount(WidgetArray array) const
{
    int count = 0;
    const Entries& entries = arrays_[static_cast<size_t>(array)];
    for (size_t i = 0; i < entries.size(); ++i) count += entries[i].arrival != 0 ? 1 : 0;
    return count;
}

void WidgetStore::load(WidgetId id)
{
    if (id.index <= 0 || isLoaded(id)) throw ModelError("Widget " + WidgetName(id) + " cannot be loaded again");
    Entries& entries = arrays_[static_cast<size_t>(id.array)];
    entries.GrowTo(static_cast<size_t>(id.index) + 1);
    Entry& entry = entries[static_cast<size_t>(id.index)];
    entry.state = AsMade(id.array);
    Join(id, entry, 0);
}

void WidgetStore::unload(WidgetId id)
{
    if (id.index == 0) throw ModelError("The template " + WidgetName(id) + " cannot be unloaded");
    Entry& entry = EntryOf(id);
    Leave(entry);
    entry = Entry{};
    // Trailing free entries go, so that a cleared view gives its memory back.
    arrays_[static_cast<size_t>(id.array)].TrimUnloaded();
}

void WidgetStore::Join(WidgetId id, Entry& entry, int16_t page)
{
    if (static_cast<size_t>(page) >= pages_.size()) pages_.resize(static_cast<size_t>(page) + 1);
    auto& members = pages_[static_cast<size_t>(page)];
    entry.state.page = page;
    entry.arrival = ++arrivals_;
    entry.pageSlot = static_cast<uint32_t>(members.size());
    members.push_back(id);
}

void WidgetStore::Leave(const Entry& entry)
{
    auto& members = pages_[static_cast<size_t>(entry.state.page)];
    const WidgetId moved = members.back();
    members[entry.pageSlot] = moved;
    EntryOf(moved).pageSlot = entry.pageSlot;
    members.pop_back();
}

void WidgetStore::setPage(WidgetId id, int16_t page)
{
    if (page < 0) throw ModelError("There is no page " + std::to_string(page));
    Entry& entry = EntryOf(id);
    if (entry.state.page == page) return;
    Leave(entry);
    Join(id, entry, page);
}

std::vector<WidgetId> WidgetStore::InArrivalOrder(int16_t page) const
{
    std::vector<WidgetId> members = onPage(page);
    std::sort(members.begin(), members.end(),
              [this](WidgetId a, WidgetId b) { return EntryOf(a).arrival < EntryOf(b).arrival; });
    return members;
}

const std::vector<WidgetId>& WidgetStore::onPage(int16_t page) const
{
    static const std::vector<WidgetId> none;
    return page >= 0 && static_cast<size_t>(page) < pages_.size() ? pages_[static_cast<size_t>(page)] : none;
}

void WidgetStore::move(WidgetId id, int16_t left, int16_t top)
{
    WidgetState& w = at(id);
    if (id.array == WidgetArray::lines) {
        // Every end is checked before any moves, so a refused move leaves the line whole.
        const int dx = left - w.left, dy = top - w.top;
        const int16_t x1 = Checked16(w.x1 + dx, "line end"), x2 = Checked16(w.x2 + dx, "line end");
        const int16_t y1 = Checked16(w.y1 + dy, "line end"), y2 = Checked16(w.y2 + dy, "line end");
        w.x1 = x1;
        w.x2 = x2;
        w.y1 = y1;
        w.y2 = y2;
    }
    w.left = left;
    w.top = top;
}

void WidgetStore::setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth)
{
    WidgetState& w = at(id);
    w.x1 = x1;
    w.y1 = y1;
    w.x2 = x2;
    w.y2 = y2;
    w.left = x1;
    w.top = y1;
    w.borderWidth = borderWidth;
}

void WidgetStore::parkTemplates()
{
    for (size_t a = 0; a < WidgetArrayCount; ++a) {
        const WidgetId id{static_cast<WidgetArray>(a), 0};
        setPage(id, 0);
        at(id).visible = false;
    }
}

}  // namespace velk
