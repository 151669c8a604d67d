#include "EditorMessages.h"

namespace velk {
namespace {

Message Exclamation(std::string title, std::string text)
{
    return Message{std::move(title), std::move(text), MessageIcon::Exclamation, MessageButtons::Ok};
}

// Two lines of a message box, joined by a carriage return.
std::string Lines(const std::string& first, const std::string& second) { return first + "\r" + second; }

}  // namespace

Message NoFreeBitsMessage()
{
    return Exclamation("No Free Bits for New Field", Lines("There are no free bits in this group!",
                                                           "Increase group size or change field sizes first."));
}

Message NoFieldsMessage() { return Exclamation("Error", "Must have at least one field!"); }

Message GroupNameInUseMessage()
{
    return Exclamation("Invalid Group Name", "Group name already in use.  Choose a new group name.");
}

Message FieldNameInUseMessage()
{
    return Exclamation("Invalid Field Name", "Field name already in use.  Choose a new field name.");
}

Message FieldPositionInUseMessage()
{
    return Exclamation("Invalid Field Position", Lines("This byte/bit position is in use by another field in this group.",
                                                       "Please choose a new position."));
}

Message NoRowForNewFieldMessage()
{
    return Exclamation("No Room for New Field", Lines("This group has as many fields as a group can show!",
                                                      "Delete a field or put the new bits into another group."));
}

Message OnlyInHouseFieldsMessage()
{
    return Exclamation("Error", "Must have at least one field that is not In-House Only!");
}

Message GroupAddressMessage()
{
    return Exclamation("Invalid Group Address", Lines("The last byte of this group would lie past address 7FFF.",
                                                      "Please choose a lower address or a smaller size."));
}

Message FieldRangeMessage()
{
    return Exclamation("Invalid Field Position", Lines("The range must lie within bits 7 to 0, upper bit first.",
                                                       "Please choose a new position."));
}

Message DefaultValueMessage()
{
    return Exclamation("Invalid Default Value", Lines("This default value does not fit the register.",
                                                      "Please choose a smaller value."));
}

Message ReservedFieldControlsMessage()
{
    return Exclamation("Invalid Field Controls", Lines("A reserved or In-House Only field shows no controls.",
                                                       "Delete its controls or clear Reserved and In-House Only."));
}

Message IndexListTooLongMessage()
{
    return Exclamation("Invalid Range", Lines("A list can hold at most 32767 entries.", "Please choose a smaller Max."));
}

// A new group takes the address after the highest one, which 7FFF ends.
Message NoFreeGroupAddressMessage()
{
    return Exclamation("No Free Address", "No register address is left after 7FFF for a new group.");
}

// A device is found by its name when it is loaded and when a save puts it
// back in its file: an empty name or one of another device would lose it.
Message DeviceNameEmptyMessage() { return Exclamation("Invalid Device Name", "A device must have a name."); }

Message DeviceNameInUseMessage()
{
    return Exclamation("Invalid Device Name", "Device name already in use.  Choose a new device name.");
}

}  // namespace velk
