#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "RegisterView.h"

namespace velk {

// One element of one widget array as the model set it through the view.
// Positions stay in twips; a line's left and top are its first end.
struct WidgetState {
    std::string tag;
    std::string text;  // box text or caption
    std::vector<std::string> listItems;
    std::string toolTip;
    int value = 0;  // list position, scroll or spinner position
    int32_t foreColor = 0, backColor = 0;
    int16_t page = 0;  // 0: on the main window itself (templates)
    int16_t left = 0, top = 0, width = 0, height = 0;
    int16_t rangeMin = 0, rangeMax = 0;
    int16_t smallStep = 0, largeStep = 0;
    int16_t maxLength = 0;
    int16_t justify = 0;
    int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, borderWidth = 0;  // lines
    bool visible = false;
    bool locked = false;
    bool bold = false, italic = false;
};

// The state of every element of every widget array, and which elements
// stand on which page: the one record both register views keep, the
// headless one as all it has, the Qt one as what its widgets show. Using an
// element that is not loaded, loading one twice or unloading a template is
// an error, so a model fault shows instead of passing.
class WidgetStore {
public:
    // Colours of the label template, which new labels copy: the system
    // button text on the button face.
    static constexpr int32_t LabelTemplateFore = SystemColour(18);
    static constexpr int32_t LabelTemplateBack = SystemColour(15);

    // Every array's template element 0 as the window makes it.
    WidgetStore();

    bool isLoaded(WidgetId id) const;
    const WidgetState& at(WidgetId id) const;
    // For every change but the page, which setPage keeps in step with the
    // page's list.
    WidgetState& at(WidgetId id);
    // Loaded elements of an array, template included.
    int loadedCount(WidgetArray array) const;

    // A new element (index > 0) as the template was made.
    void load(WidgetId id);
    // Takes an element (index > 0) off its page and forgets it.
    void unload(WidgetId id);
    void setPage(WidgetId id, int16_t page);
    // Moves an element; a line moves as a whole, its first end to (left, top).
    void move(WidgetId id, int16_t left, int16_t top);
    void setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth);
    // Puts every template back on the main window, hidden.
    void parkTemplates();

    // The elements on a page (0: the main window), in no particular order.
    const std::vector<WidgetId>& onPage(int16_t page) const;
    // The same, in the order they came to the page.
    std::vector<WidgetId> InArrivalOrder(int16_t page) const;

    // An element as its array's template is made: boxes and lists in the
    // window text on the window background, the rest in the button colours.
    static WidgetState AsMade(WidgetArray array);

private:
    struct Entry {
        WidgetState state;
        uint32_t pageSlot = 0;  // position in its page's list
        uint32_t arrival = 0;   // when it came to its page; 0: not loaded
    };
    // An array's entries in blocks of 256: growing never moves an entry or
    // copies the array, and leaves at most one block partly unused, however
    // many thousand registers a description holds.
    class Entries {
    public:
        size_t size() const { return size_; }
        Entry& operator[](size_t i) { return blocks_[i / BlockSize][i % BlockSize]; }
        const Entry& operator[](size_t i) const { return blocks_[i / BlockSize][i % BlockSize]; }
        // Grows to hold n entries; new entries are not loaded.
        void GrowTo(size_t n);
        // Drops the trailing entries that are not loaded (the first stays).
        void TrimUnloaded();

    private:
        static constexpr size_t BlockSize = 256;
        std::vector<std::unique_ptr<Entry[]>> blocks_;
        size_t size_ = 0;
    };
    Entry& EntryOf(WidgetId id);
    const Entry& EntryOf(WidgetId id) const;
    void Join(WidgetId id, Entry& entry, int16_t page);
    void Leave(const Entry& entry);

    std::array<Entries, WidgetArrayCount> arrays_;
    std::vector<std::vector<WidgetId>> pages_;  // by page number, 0 included
    uint32_t arrivals_ = 0;
};

}  // namespace velk
