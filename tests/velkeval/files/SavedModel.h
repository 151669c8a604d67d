#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DescriptionWindow.h"
#include "ElementEvents.h"
#include "HeadlessRegisterView.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"

// Models built by hand for the writer and saver tests (no loader, no
// widgets: the writer reads only the records), a window that records its
// caption, and a recorder of parsed elements for reading files back.
namespace velk::test {

struct SavedModel {
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};

    // A file record and device record, both current.
    SavedModel(const std::string& deviceName, const std::string& addressPattern);

    std::shared_ptr<Group> AddGroup(const std::string& name, const std::string& address, int16_t size);
    std::shared_ptr<Field> AddField(Group& group, const std::string& name, int16_t byteIndex, int16_t bitIndex,
                                    int16_t size);
    std::shared_ptr<ControlRecord> AddControl(ControlRecCollection& controls, int32_t type, bool isGroup);
};

// The device of the worked example: "Scaler", one register "Output
// control" at 1A with the field "Enable", its list and a group text box.
void BuildScalerExample(SavedModel& model);

class RecordingWindow : public DescriptionWindow {
public:
    explicit RecordingWindow(std::string folder) : folder_(std::move(folder)) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void addDeviceEntry(int16_t) override {}
    void removeDeviceEntry(int16_t) override {}
    void setDeviceEntry(int16_t, const std::string&, bool) override {}
    void checkDeviceEntry(int16_t, bool) override {}
    void BuildAddress() override {}
    void setRegisterViewVisible(bool) override {}
    void ReapplyMaxHeight() override {}
    void ReopenLink() override {}
    std::string programFolder() const override { return folder_; }

private:
    std::string folder_;
    std::string caption_;
};

// Every element of a parse with its attributes, in document order.
struct ParsedElement {
    std::string name;
    std::map<std::string, std::string> attributes;
};

class ElementRecorder : public ElementEvents {
public:
    std::vector<ParsedElement> elements;
    void startElement(const std::string& localName, const AttributeList& attributes) override;
    void endElement(const std::string&) override {}
    // The elements of that name, in order.
    std::vector<ParsedElement> Named(const std::string& name) const;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Lines joined with CR LF, each ended by one.
std::string CrLfLines(const std::vector<std::string>& lines);

}  // namespace velk::test
