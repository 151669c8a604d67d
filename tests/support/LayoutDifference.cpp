#include "LayoutDifference.h"

#include <sstream>
#include <vector>

#include "ControlType.h"

namespace velk::test {
namespace {

// Collects the first difference, naming where it lies.
class Comparison {
public:
    template <class Value>
    bool Same(const std::string& what, const Value& edited, const Value& reloaded)
    {
        if (!difference_.empty() || edited == reloaded) return difference_.empty();
        std::ostringstream text;
        text << where_ << what << ": edited " << edited << ", reloaded " << reloaded;
        difference_ = text.str();
        return false;
    }
    void At(const std::string& where) { where_ = where; }
    const std::string& where() const { return where_; }
    const std::string& difference() const { return difference_; }

private:
    std::string where_;
    std::string difference_;
};

std::vector<const ControlRecord*> UserControls(const ControlRecCollection& controls)
{
    std::vector<const ControlRecord*> records;
    for (const auto& control : controls)
        if (control->isUserControl) records.push_back(control.get());
    return records;
}

void CompareIndexValues(Comparison& c, const ControlRecord& e, const ControlRecord& r)
{
    for (int i = 0; i <= e.max - e.min; ++i) {
        const auto n = static_cast<int16_t>(i);
        const std::string entry = "indexvalue " + std::to_string(i) + " ";
        const bool coloured = e.indexFG(n) != e.indexBG(n);
        c.Same(entry + "value", e.indexValues(n), r.indexValues(n));
        c.Same(entry + "bold", e.indexBold(n), r.indexBold(n));
        c.Same(entry + "italic", e.indexItalic(n), r.indexItalic(n));
        c.Same(entry + "fg", coloured ? e.indexFG(n) : 0, r.indexFG(n));
        c.Same(entry + "bg", coloured ? e.indexBG(n) : 0, r.indexBG(n));
    }
}

void CompareControl(Comparison& c, const ControlRecord& e, const ControlRecord& r)
{
    const int32_t type = e.controlType;
    c.Same("type", type, r.controlType);
    c.Same("isGroup", e.isGroup, r.isGroup);
    if (type == ControlType::Label) c.Same("caption", e.caption, r.caption);
    c.Same("max", e.max, r.max);
    c.Same("min", e.min, r.min);
    c.Same("X", e.X, r.X);
    c.Same("y", e.y, r.y);
    const bool coloured = e.colorsSet && type != ControlType::Scrollbar;
    c.Same("colorsSet", coloured, r.colorsSet);
    if (coloured) {
        c.Same("fg", e.fg, r.fg);
        c.Same("bg", e.bg, r.bg);
    }
    c.Same("radix", e.radix.empty() ? std::string("dec") : e.radix, r.radix);
    if (type != ControlType::Combo) c.Same("height", e.height, r.height);
    c.Same("width", e.width, r.width);
    c.Same("bold", e.bold, r.bold);
    c.Same("italic", e.italic, r.italic);
    c.Same("justify", e.justify, r.justify);
    if (type != ControlType::Scrollbar) c.Same("tooltip", e.tooltip, r.tooltip);
    if (type == ControlType::Combo || type == ControlType::Display) CompareIndexValues(c, e, r);
}

void CompareControls(Comparison& c, const ControlRecCollection& edited, const ControlRecCollection& reloaded)
{
    const auto e = UserControls(edited);
    const auto r = UserControls(reloaded);
    const std::string owner = c.where();
    if (!c.Same("user controls", e.size(), r.size())) return;
    for (size_t i = 0; i < e.size(); ++i) {
        c.At(owner + "control " + std::to_string(i + 1) + " ");
        CompareControl(c, *e[i], *r[i]);
    }
}

void CompareField(Comparison& c, const Field& e, const Field& r)
{
    c.Same("name", e.fieldName, r.fieldName);
    c.Same("byteIndex", e.byteIndex, r.byteIndex);
    c.Same("bitIndex", e.bitIndex, r.bitIndex);
    c.Same("size", e.size, r.size);
    c.Same("sequence", e.sequence, r.sequence);
    c.Same("defaultValue", e.defaultValue, r.defaultValue);
    c.Same("fg", e.fg, r.fg);
    c.Same("bg", e.bg, r.bg);
    c.Same("bold", e.bold, r.bold);
    c.Same("italic", e.italic, r.italic);
    c.Same("inhouse", e.inhouse, r.inhouse);
    c.Same("Reserved", e.Reserved, r.Reserved);
    CompareControls(c, e.controls, r.controls);
}

void CompareGroup(Comparison& c, const Group& e, const Group& r)
{
    c.Same("name", e.groupName, r.groupName);
    c.Same("size", e.size, r.size);
    c.Same("address", e.address, r.address);
    c.Same("readonly", e.readonly, r.readonly);
    c.Same("controlMode", e.controlMode, r.controlMode);
    const std::string group = c.where();
    if (!c.Same("fields", e.childFields.count(), r.childFields.count())) return;
    for (int i = 1; i <= e.childFields.count(); ++i) {
        c.At(group + "field " + std::to_string(i) + " \"" + e.childFields.Item(i)->fieldName + "\" ");
        CompareField(c, *e.childFields.Item(i), *r.childFields.Item(i));
    }
    c.At(group);
    CompareControls(c, e.controls, r.controls);
}

}  // namespace

std::string LayoutDifference(const ProgramState& edited, const ProgramState& reloaded)
{
    Comparison c;
    if (!c.Same("device present", edited.currentDevice != nullptr, reloaded.currentDevice != nullptr) ||
        !edited.currentDevice)
        return c.difference();
    c.Same("device name", edited.currentDevice->devName, reloaded.currentDevice->devName);
    c.Same("device address", edited.currentDevice->address, reloaded.currentDevice->address);
    if (edited.currentFile && reloaded.currentFile) {
        c.Same("file title", edited.currentFile->title, reloaded.currentFile->title);
        c.Same("file author", edited.currentFile->author, reloaded.currentFile->author);
    }
    if (!c.Same("groups", edited.allGroups.count(), reloaded.allGroups.count())) return c.difference();
    for (int i = 1; i <= edited.allGroups.count(); ++i) {
        c.At("group " + std::to_string(i) + " \"" + edited.allGroups.Item(i)->groupName + "\" ");
        CompareGroup(c, *edited.allGroups.Item(i), *reloaded.allGroups.Item(i));
    }
    return c.difference();
}

}  // namespace velk::test
