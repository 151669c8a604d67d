#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velk {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// A file open or save question. The filter is written in the program's own
// form, pairs of a name and a pattern separated by "|":
// "Values (*.val) |*.val| All Files (*.*) |*.*"; the first pair is selected.
// The default extension (".xml") is added to a name typed without one.
struct FileRequest {
    std::string title;
    std::string filter;
    std::string initialPath;  // the folder the dialog starts in
    std::string defaultExtension;
    bool mustExist = false;        // open: only an existing file is accepted
    bool promptOverwrite = false;  // save: ask before replacing an existing file
};

// A USB board the selection dialog lists: its number n ("ezusb-" + n) and
// the firmware it reported.
struct UsbBoardEntry {
    int number;
    std::string firmware;

    bool operator==(const UsbBoardEntry&) const = default;
};
// Finds the boards to list; the dialog runs it on opening and on "Detect".
using UsbBoardDetector = std::function<std::vector<UsbBoardEntry>()>;

// What the program asks of the user through modal dialogs. The window
// system implements it; tests use ScriptedDialogs.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Shows a message box and returns the button the user chose.
    virtual MessageAnswer ShowMessage(const Message& message) = 0;
    // The short warning sound of a refused entry.
    virtual void Beep() = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFileName(const FileRequest& request) = 0;
    virtual std::optional<std::string> SaveFileName(const FileRequest& request) = 0;
    // A colour (0x00BBGGRR) picked starting from `initial`, or nothing when
    // the user cancels.
    virtual std::optional<int32_t> ChooseColour(int32_t initial) = 0;
    // The USB board selection: the number of the board chosen with "OK",
    // or nothing when no entry was selected or the dialog was closed.
    virtual std::optional<int> ChooseUsbBoard(const UsbBoardDetector& detect) = 0;
};

}  // namespace velk
