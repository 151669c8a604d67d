#include "ElementKind.h"

#include <algorithm>
#include <array>
#include <utility>

#include "DescriptionFormat.h"

namespace velk {
namespace {

namespace fmt = velk::format;

using Entry = std::pair<std::string_view, ElementKind>;

constexpr std::array<Entry, 32> kElements = {{
    {fmt::File, ElementKind::File}, {fmt::Author, ElementKind::Author}, {fmt::Modified, ElementKind::Modified},
    {fmt::Device, ElementKind::Device}, {fmt::GroupElement, ElementKind::Group}, {fmt::FieldElement, ElementKind::Field},
    {fmt::Pos, ElementKind::Pos}, {fmt::DefaultValue, ElementKind::DefaultValue}, {fmt::NameFg, ElementKind::NameFg},
    {fmt::NameBg, ElementKind::NameBg}, {fmt::NameBold, ElementKind::NameBold}, {fmt::NameItalic, ElementKind::NameItalic},
    {fmt::Inhouse, ElementKind::Inhouse}, {fmt::ReservedElement, ElementKind::Reserved}, {fmt::Control, ElementKind::Control},
    {fmt::GroupControl, ElementKind::GroupControl}, {fmt::Caption, ElementKind::Caption}, {fmt::Max, ElementKind::Max},
    {fmt::Min, ElementKind::Min}, {fmt::Fg, ElementKind::Fg}, {fmt::Bg, ElementKind::Bg}, {fmt::Radix, ElementKind::Radix},
    {fmt::Height, ElementKind::Height}, {fmt::Width, ElementKind::Width}, {fmt::Bold, ElementKind::Bold},
    {fmt::Italics, ElementKind::Italics}, {fmt::Italic, ElementKind::Italics}, {fmt::Justify, ElementKind::Justify},
    {fmt::Tooltip, ElementKind::Tooltip}, {fmt::IndexValue, ElementKind::IndexValue},
    {fmt::DeviceValues, ElementKind::DeviceValues}, {fmt::RegisterVal, ElementKind::RegisterVal},
}};

// The names by their first letter, then length, so a look-up compares a name
// with only the two or three entries that could match it.
struct ElementIndex {
    std::array<std::array<uint8_t, 16>, 26> start{};  // per letter, the first of up to 15 candidates
    std::array<std::array<uint8_t, 16>, 26> count{};
    std::array<Entry, kElements.size()> sorted{};

    ElementIndex()
    {
        size_t next = 0;
        for (char letter = 'a'; letter <= 'z'; ++letter)
            for (size_t length = 1; length < 16; ++length) {
                start[letter - 'a'][length] = static_cast<uint8_t>(next);
                for (const Entry& entry : kElements)
                    if (entry.first.size() == length && entry.first.front() == letter) sorted[next++] = entry;
                count[letter - 'a'][length] = static_cast<uint8_t>(next - start[letter - 'a'][length]);
            }
    }
};

}  // namespace

ElementKind KindOfElement(std::string_view name)
{
    static const ElementIndex index;
    if (name.empty() || name.size() >= 16 || name.front() < 'a' || name.front() > 'z') return ElementKind::Other;
    const size_t letter = static_cast<size_t>(name.front() - 'a');
    const size_t first = index.start[letter][name.size()];
    // The candidates all have the name's length: only the characters are compared.
    for (size_t i = first; i < first + index.count[letter][name.size()]; ++i)
        if (std::equal(name.begin(), name.end(), index.sorted[i].first.begin())) return index.sorted[i].second;
    return ElementKind::Other;
}

}  // namespace velk
