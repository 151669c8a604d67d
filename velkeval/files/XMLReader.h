#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DescriptionWindow.h"
#include "ElementAttributes.h"
#include "ElementEvents.h"
#include "ElementKind.h"
#include "NameSet.h"
#include "ProgramState.h"
#include "SaxFileReader.h"

namespace velk {

// The reader of device descriptions and values files: builds the selected
// device into the model and the window as the elements arrive, lists every
// device in the device menus, and applies "registerval" lines to the
// current device.
//
// A description that breaks the format's rules (a range without a colon, a
// field outside its register or on another field's bits, a repeated name,
// a register too large to lay out, elements nested where they cannot be)
// is refused by a FileError naming the element; the parse then ignores the
// rest of the file and ParseFile rethrows it once the parser has returned.
class XMLReader final : public ElementEvents {
public:
    XMLReader(ProgramState& state, DescriptionWindow& window) : state_(state), window_(window) {}

    ParseOutcome ParseFile(const std::string& fileName);

    // Runs ParseFile and, when the file cannot be read, is not well-formed
    // or is refused, discards what was still being built (the widgets of the
    // open group, field and control; finished groups stay) and describes
    // the failure: `kind` and the file, then the parser's message, line and
    // column, or the refusal. Nothing when the whole file was read.
    std::optional<std::string> ReadOrDescribeFailure(const std::string& kind, const std::string& fileName);

    void startElement(const std::string& localName, const AttributeList& attributes) override;
    void endElement(const std::string& localName) override;

private:
    void DiscardUnfinished();
    void HandleStart(ElementKind kind, const ElementAttributes& attributes);
    void StartFile(const ElementAttributes& attributes);
    void StartDevice(const ElementAttributes& attributes);
    void StartGroup(const ElementAttributes& attributes);
    void StartField(const ElementAttributes& attributes);
    void StartControl(const ElementAttributes& attributes, bool isGroup);
    void ReadFieldPosition(const ElementAttributes& attributes);
    // Field and control children; false when the name is neither.
    bool ReadFieldChild(ElementKind kind, const ElementAttributes& attributes);
    bool ReadControlChild(ElementKind kind, const ElementAttributes& attributes);
    void ReadIndexValue(const ElementAttributes& attributes);
    void ReadDeviceValues(const ElementAttributes& attributes);
    void ReadRegisterValue(const ElementAttributes& attributes);

    void EndGroup();
    void EndField();
    void EndControl(bool isGroup);

    // False for a registry key already met in this load. The element's
    // label is built only for the refusal: a load claims thousands of names.
    bool ClaimName(const std::string& key);
    // Refuses an element that starts while one of these objects is open.
    void RequireClosed(const std::string& element, bool group, bool field, bool control) const;

    ProgramState& state_;
    DescriptionWindow& window_;
    bool deviceBuilt_ = false;            // the selected device has been met
    bool listOutOfOrder_ = false;         // the current control's list is filled at its end
    NameSet namesInUse_;                  // registry keys of this load, lower-cased
    ElementAttributes attributes_;        // the current start element's, storage kept between elements
    std::vector<ElementKind> openKinds_;  // the kinds of the open elements, so an end needs no look-up
    size_t skippedDeviceDepth_ = 0;       // the open elements around the device being skipped
};

}  // namespace velk
