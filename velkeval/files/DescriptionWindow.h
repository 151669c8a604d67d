#pragma once

#include <cstdint>
#include <string>

namespace velk {

// What loading and saving a description ask of the main window beyond its
// register view: the caption, the "&Device" and "&New Window" menus, the
// address bits, the page height option and the link. The Qt window
// implements it; tests and the command line use headless ones.
class DescriptionWindow {
public:
    virtual ~DescriptionWindow() = default;

    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;

    // The device entries, the same in both menus. Entry 0 always exists
    // ("None", disabled, until a load fills it); entries 1 .. are added and
    // removed by the loader. Only the "&Device" menu shows check marks.
    virtual void addDeviceEntry(int16_t index) = 0;
    virtual void removeDeviceEntry(int16_t index) = 0;
    virtual void setDeviceEntry(int16_t index, const std::string& caption, bool enabled) = 0;
    virtual void checkDeviceEntry(int16_t index, bool checked) = 0;

    // Shows the current device's address bits (from currAddress and the
    // address pattern).
    virtual void BuildAddress() = 0;
    // Hides or shows the register view while it is rebuilt.
    virtual void setRegisterViewVisible(bool visible) = 0;
    // The window's share of clearing (ClearWindow): edit mode left as the
    // "Edit Mode" command leaves it, and "Load Register On Change"
    // un-checked, as ClearAll clears loadOnChange. A window without them has
    // nothing to do.
    virtual void ClearEditModeAndLoadOnChange() {}
    // Runs the checked "Max Height" entry's command again (re-layout).
    virtual void ReapplyMaxHeight() = 0;
    // Disconnects an open link and creates the one the options select
    // (devInterface), connected to the current device's address.
    virtual void ReopenLink() = 0;

    // The program's own folder (no trailing "/"), where the default
    // description "VelkEval.xml" lives.
    virtual std::string programFolder() const = 0;
};

}  // namespace velk
