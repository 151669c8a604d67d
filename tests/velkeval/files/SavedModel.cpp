#include "SavedModel.h"

#include <fstream>
#include <sstream>

#include "ControlType.h"

namespace velk::test {

SavedModel::SavedModel(const std::string& deviceName, const std::string& addressPattern)
{
    state.currentFile = std::make_shared<FileRecord>(FileRecord{"Demo board", "1/1/2000", "lab"});
    state.currentDevice = std::make_shared<DeviceRecord>(DeviceRecord{deviceName, addressPattern, addressPattern});
    state.selectedDeviceName = deviceName;
}

std::shared_ptr<Group> SavedModel::AddGroup(const std::string& name, const std::string& address, int16_t size)
{
    auto group = std::make_shared<Group>();
    group->groupName = name;
    group->address = address;
    group->size = size;
    group->ResizeRegisterBytes();
    return state.allGroups.Add(group, name);
}

std::shared_ptr<Field> SavedModel::AddField(Group& group, const std::string& name, int16_t byteIndex,
                                            int16_t bitIndex, int16_t size)
{
    auto field = std::make_shared<Field>();
    field->fieldName = name;
    field->byteIndex = byteIndex;
    field->bitIndex = bitIndex;
    field->size = size;
    return group.childFields.Add(field, SequenceKey(SequenceOf(byteIndex, bitIndex)));
}

std::shared_ptr<ControlRecord> SavedModel::AddControl(ControlRecCollection& controls, int32_t type, bool isGroup)
{
    auto control = std::make_shared<ControlRecord>();
    control->controlType = type;
    control->isGroup = isGroup;
    control->isUserControl = true;
    return controls.Add(control);
}

void BuildScalerExample(SavedModel& model)
{
    auto group = model.AddGroup("Output control", "1A", 1);
    auto field = model.AddField(*group, "Enable", 0, 0, 1);
    field->defaultValue = 1;
    field->value = 0;
    auto list = model.AddControl(field->controls, ControlType::Combo, false);
    list->max = 1;
    list->X = 100;
    list->y = 50;
    list->radix = "dec";
    list->height = 315;  // a list's height is never written
    list->width = 1000;
    list->tooltip = "Turns the output on";
    list->setIndexValue(0, "Off");
    list->setIndexValue(1, "On");
    list->setIndexBold(1, true);
    list->setIndexFG(1, 0xFF);
    list->setIndexBG(1, 0xFFFFFF);
    // A generated bit box beside it, which is not part of the description.
    auto bitBox = model.AddControl(field->controls, ControlType::Bit, false);
    bitBox->isUserControl = false;
    auto box = model.AddControl(group->controls, ControlType::TextBox, true);
    box->max = 255;
    box->X = 2000;
    box->y = 50;
    box->radix = "hex";
    box->height = 300;
    box->width = 800;
    box->justify = 1;
}

void ElementRecorder::startElement(const std::string& localName, const AttributeList& attributes)
{
    ParsedElement element{localName, {}};
    for (int i = 0; i < attributes.getLength(); ++i)
        element.attributes[attributes.getLocalName(i)] = attributes.getValue(i);
    elements.push_back(std::move(element));
}

std::vector<ParsedElement> ElementRecorder::Named(const std::string& name) const
{
    std::vector<ParsedElement> found;
    for (const auto& element : elements)
        if (element.name == name) found.push_back(element);
    return found;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace velk::test
